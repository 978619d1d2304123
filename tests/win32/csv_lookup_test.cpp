// Lookup file download of a CSV file through the real windows: the dialog that picks the
// lookup, the refusal message, and the lines the terminal receives.
#include <windows.h>

#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "template/template.h"
#include "tests/support/lookup_fixtures.h"
#include "tests/win32/transfer_test_support.h"

namespace k60::shell::testsupport {
namespace {

using link::test::Bytes;
using link::test::bytesOf;
using Kind = link::test::ScriptedPort::Kind;

// Answers CsvLookupDlg: picks lookup `lookup` (1..3, 0 keeps the one shown), notes the layout
// the dialog then shows, ticks the header box when asked, and presses `button`.
ModalStep answerCsvDialog(int lookup, bool header, int button, std::wstring* layout) {
  return [=] {
    HWND d = findDialogTitled(L"从CSV文件生成索引文件");
    if (!d) return false;
    HWND combo = GetDlgItem(d, IDC_CSV_LOOKUP);
    if (lookup != 0) {
      SendMessageW(combo, CB_SETCURSEL, lookup - 1, 0);
      SendMessageW(d, WM_COMMAND, MAKEWPARAM(IDC_CSV_LOOKUP, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    }
    *layout = windowText(GetDlgItem(d, IDC_CSV_LAYOUT));
    if (header) SendMessageW(GetDlgItem(d, IDC_CSV_HEADER), BM_CLICK, 0, 0);
    pressButton(d, button);
    return true;
  };
}

class CsvLookupTest : public TransferTest {
 protected:
  void SetUp() override {
    TransferTest::SetUp();
    // Lookup 1 has no fields; lookup 2 holds a code of up to 4 and a name of up to 6 bytes
    // separated by ','; lookup 3: member 8, a code at 1..3 and a name at 5..8.
    k60::test::setLookup(app.tmpl.lookup(1), 0, {{1, 4}, {1, 6}});
    app.tmpl.extension().setSeparator(1, ',');
    k60::test::setLookup(app.tmpl.lookup(2), 8, {{1, 3}, {5, 4}});
    port.onWrite = [](link::test::ScriptedPort& p, std::span<const std::uint8_t>) { p.reply("ACK\r"); };
  }
  void writeCsv(std::string_view text) { k60::test::writeWholeFile(file.path, k60::test::asBytes(text)); }
  TempPath file{L"k60lookup.csv"};
};

// Cancel in the dialog, or a refusal (named by row and column), sends nothing; the dialog
// starts on the first lookup with fields and its label follows the choice. A whole file is
// sent in GB2312, without the header row.
TEST_F(CsvLookupTest, OnlyAWholeBuiltFileIsSentByTheChosenLookup) {
  writeCsv("A1,ok\r\nA2,too long\r\n");
  std::wstring first, chosen;
  ModalSeen refusal, done;
  runCommand(IDM_DOWNLOAD_LOOKUP_SERIAL, {answerFileDialog(file.path), answerCsvDialog(0, false, IDCANCEL, &first)});
  EXPECT_EQ(first, L"间隔符 44 (,), 2 个字段");
  runCommand(IDM_DOWNLOAD_LOOKUP_SERIAL,
             {answerFileDialog(file.path), answerCsvDialog(3, false, IDOK, &chosen), answerMessageBox(IDOK, &refusal)});
  EXPECT_EQ(chosen, L"固定长度, 成员长度 8, 2 个字段");
  EXPECT_EQ(refusal.text, L"CSV文件第2行第2列: 超过字段2的长度4字节!");
  EXPECT_EQ(refusal.caption, L"错误");
  EXPECT_EQ(port.count(Kind::Open), 0u);

  writeCsv("code,name\r\nA1,\"\xD6\xD0\xCE\xC4\"\r\nB2,x\r\n");
  runCommand(IDM_DOWNLOAD_LOOKUP_SERIAL,
             {answerFileDialog(file.path), answerCsvDialog(0, true, IDOK, &first), answerMessageBox(IDOK, &done)});
  EXPECT_EQ(done.text, L"下载完毕!");
  const auto writes = port.writes();
  ASSERT_EQ(writes.size(), 4u);
  EXPECT_EQ(writes[1], (Bytes{'A', '1', ',', 0xD6, 0xD0, 0xCE, 0xC4, 0x03, 0xD6, 0x0D}));
  EXPECT_EQ(writes[2], (Bytes{'B', '2', ',', 'x', 0x01, 0x18, 0x0D}));
  EXPECT_EQ(writes[3], bytesOf("OVER\r"));
}

}  // namespace
}  // namespace k60::shell::testsupport
