// The barcode page and its symbology dialogs through the real sheet, buttons and controls,
// checked on the barcode record's bytes.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "resources/editor_ids.h"
#include "template/barcode_record.h"
#include "template/defaults.h"
#include "tests/support/test_support.h"
#include "tests/win32/sheet_driver.h"
#include "tests/win32/shell_fixture.h"

namespace k60::shell::testsupport {
namespace {

constexpr int kBarcodePage = 3;

bool checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

// The barcode page of the open sheet (once no dialog of its own is open): `act` works on it,
// then button `button` (0: none) is pressed.
ModalStep onPage(std::function<void(HWND)> act, int button = 0) {
  return onDialog(
      L"应用程序模板",
      [=](HWND sheet) {
        HWND page = showPage(sheet, kBarcodePage);
        if (act) act(page);
        if (button) pressButton(page, button);
      },
      0);
}

class BarcodePageTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    resetToDefaults(app.tmpl);
  }
  std::uint8_t byte(std::size_t offset) { return app.tmpl.barcode().byte(offset); }
};

TEST_F(BarcodePageTest, ThePageShowsTheDefaultsAndOkStoresItsControlsKeepingEveryOtherBit) {
  // Bits no control shows: byte 2 bits 3 and 0, byte 7 bits 2-0, byte 11 bits 6-5 and 1-0,
  // the low nibble of byte 20, byte 22.
  for (auto [offset, value] : {std::pair{2, 0x09}, {7, 0x87}, {11, 0x63}, {20, 0x69}, {22, 0x77}})
    app.tmpl.barcode().setByte(offset, static_cast<std::uint8_t>(value));
  std::set<int> shown;
  std::vector<int> buttons;
  std::wstring lists, timeout;
  runEdit(main, {onPage([&](HWND page) {
                   for (int id = IDC_BARCODE_CODE39; id <= IDC_BARCODE_TELEPEN; ++id)
                     if (checked(page, id)) shown.insert(id);
                   for (int id = 200; id <= 224; ++id)
                     if (GetDlgItem(page, id)) buttons.push_back(id);
                   lists = itemText(page, IDC_BARCODE_SCAN_MODE) + L"|" + itemText(page, IDC_BARCODE_REDUNDANCY);
                   timeout = itemText(page, IDC_BARCODE_TIMEOUT);
                   for (int id : {IDC_BARCODE_CODE39, IDC_BARCODE_MSI, IDC_BARCODE_READ_INVERTED, 121, 121})
                     click(page, id);
                   selectInList(page, IDC_BARCODE_SCAN_MODE, 1);
                   selectInList(page, IDC_BARCODE_REDUNDANCY, 3);
                   SetDlgItemTextW(page, IDC_BARCODE_TIMEOUT, L"300");
                 }),
                 answerPropertySheet(IDOK)});
  EXPECT_EQ(shown, (std::set<int>{101, 104, 105, 107, 110, 111, 113, 116, 119}));
  EXPECT_EQ(buttons, (std::vector<int>{201, 202, 203, 204, 205, 206, 207, 208, 209, 213, 216, 219, 223}));
  EXPECT_EQ(lists, L"Laser|无");
  EXPECT_EQ(timeout, L"3");
  const std::vector<std::uint8_t> expected = {0x1B, 0xC9, 0x29, 0x00, 0x00, 0x2D, 0x54, 0x87, 0x00, 0x19, 0x3D, 0x7F,
                                              0xFF, 0x01, 0xFE, 0x01, 0xFF, 0x01, 0xFF, 0x01, 0x19, 255,  0x77, 0x00};
  EXPECT_TRUE(test::sameBytes(app.tmpl.block(Block::Barcode), expected)) << "the time-out 300 is stored as 255";

  runEdit(main,
          {onPage([&](HWND page) { timeout = itemText(page, IDC_BARCODE_TIMEOUT); }), answerPropertySheet(IDCANCEL)});
  EXPECT_EQ(timeout, L"255");
}

// Each dialog stores at its OK, so that its changes survive a cancelled sheet while the page's
// own change is lost; a cancelled dialog stores nothing. The length labels follow the mode.
TEST_F(BarcodePageTest, DialogChangesSurviveACancelledSheetWhileAPageCheckBoxChangeIsLost) {
  std::set<int> shown;
  std::vector<std::wstring> labels;
  auto readLabels = [&](HWND dialog) {
    labels.push_back(itemText(dialog, IDC_LENGTH_FIRST_LABEL) + L"|" + itemText(dialog, IDC_LENGTH_SECOND_LABEL));
  };
  runEdit(main, {onPage([](HWND page) { click(page, IDC_BARCODE_CODE93); }, IDC_CODE39_OPTIONS),
                 onDialog(L"Code 39 参数",
                          [&](HWND dialog) {
                            for (int id = IDC_SYMBOLOGY_BOX1; id <= IDC_SYMBOLOGY_BOX4; ++id)
                              if (checked(dialog, id)) shown.insert(id);
                            click(dialog, IDC_SYMBOLOGY_BOX1);
                            click(dialog, IDC_SYMBOLOGY_BOX4);
                          }),
                 onPage({}, IDC_INDUSTRIAL25_OPTIONS),
                 onDialog(L"Industrial 25参数",
                          [&](HWND dialog) {
                            readLabels(dialog);
                            click(dialog, IDC_SYMBOLOGY_RADIO4);
                            readLabels(dialog);
                            SetDlgItemTextW(dialog, IDC_LENGTH_FIRST, L"200");
                            SetDlgItemTextW(dialog, IDC_LENGTH_SECOND, L"150");
                            click(dialog, IDC_SYMBOLOGY_RADIO5);
                            readLabels(dialog);
                            click(dialog, IDC_SYMBOLOGY_RADIO3);  // start/stop pattern Matrix 25
                          }),
                 onPage({}, IDC_MSI_OPTIONS),
                 onDialog(
                     L"MSI 参数", [](HWND dialog) { click(dialog, IDC_SYMBOLOGY_RADIO7); }, IDCANCEL),
                 answerPropertySheet(IDCANCEL)});
  EXPECT_EQ(shown, std::set<int>{IDC_SYMBOLOGY_BOX3}) << "only \"传输校验码\" is set by default";
  EXPECT_EQ(labels, (std::vector<std::wstring>{L"最大长度 :|最小长度 :", L"固定长度 1:|固定长度 2:",
                                               L"最大长度 :|最小长度 :"}));
  EXPECT_EQ(byte(5), 0x2D | 0x80 | 0x10);
  EXPECT_EQ(byte(0), 0x9B) << "the Code 93 click was cancelled with the sheet";
  EXPECT_EQ(byte(12), 0xFF) << "maximum 127";
  EXPECT_EQ(byte(13), 127) << "minimum 150 comes down to the maximum";
  EXPECT_EQ(byte(6), 0x56);
  EXPECT_EQ(byte(18), 0xFF) << "the MSI dialog was cancelled";
}

}  // namespace
}  // namespace k60::shell::testsupport
