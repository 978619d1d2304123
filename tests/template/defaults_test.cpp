// The new-template defaults: the complete start-up file image, every default prompt text,
// and what the resets leave alone when New runs over an edited template.
#include <cstring>

#include "template/atx_file.h"
#include "template/barcode_record.h"
#include "template/form_record.h"
#include "template/menu_record.h"
#include "template/prompt_pages.h"
#include "tests/support/test_support.h"

namespace k60 {
namespace {

using test::gb;

struct DefaultLine {
  std::string_view utf8;
  std::size_t bytes;
};

struct PageLayout {
  PromptPageId id;
  std::size_t fileOffset;
  std::size_t slot;
  std::vector<DefaultLine> lines;
};

// Every prompt page: where the file keeps it, its slot size and its default lines.
const std::vector<PageLayout> kPages = {
    {PromptPageId::Welcome, 8604, 16,
     {{"      ORVO     ", 15}, {"    应用程序   ", 15}, {"     产生器    ", 15}, {"   版本  4.10  ", 15}}},
    {PromptPageId::MainMenu, 8668, 16,
     {{"1.收集数据     ", 15}, {"2.上传数据     ", 15}, {"3.系统工具     ", 15}, {"               ", 15}}},
    {PromptPageId::UtilityMenu, 8732, 21,
     {{"1.系统设置     ", 15}, {"2.浏览数据     ", 15}, {"3.删除数据     ", 15}, {"4.读取测试     ", 15},
      {"5.设置日时     ", 15}, {"6.下载程序     ", 15}, {"7.内存&电池    ", 15}, {"8.下载索引文件 ", 15}}},
    {PromptPageId::DeleteMenu, 8900, 16,
     {{"删除数据:      ", 15}, {"1. 所有数据    ", 15}, {"2. 最后一笔    ", 15}, {"3. 取消        ", 15}}},
    {PromptPageId::Confirm, 8964, 16,
     {{"确定吗?        ", 15}, {"1. 是          ", 15}, {"2. 否          ", 15}, {"               ", 15}}},
    {PromptPageId::MemoryBattery, 9028, 16,
     {{"可用RAM:       ", 15}, {"电池电压       ", 15}, {"主电池  :      ", 15}, {"备用电池:      ", 15}}},
    {PromptPageId::LookupDownload, 9092, 16,
     {{"下载:          ", 15}, {"第一个索引文件 ", 15}, {"第二个索引文件 ", 15}, {"第三个索引文件 ", 15}}},
    {PromptPageId::SettingsMenu, 9156, 21,
     {{"  [ 系统设置 ]  ", 16}, {"1.设置上传端口  ", 16}, {"2.设置下载端口  ", 16}, {"3.传输速率     ", 15},
      {"4.LCD 背光      ", 16}, {"5.数据删除      ", 16}, {"6.记录提示      ", 16}, {"7.查看系统设置 ", 15}}},
    {PromptPageId::UploadMenu, 9324, 21,
     {{"上传数据通过:   ", 16}, {"1. RS-232/台座  ", 16}, {"2. IR 收发器    ", 16}, {"3. 标准 IrDA   ", 15},
      {"4. 键盘接口     ", 16}, {"                ", 16}, {"[ Enter ]键选择 ", 16}, {"[ ESC ]  键取消", 15}}},
    {PromptPageId::DownloadMenu, 9492, 21,
     {{"下载新程序     ", 15}, {"或索引文件通过:", 15}, {"1. RS-232/台座 ", 15}, {"2. IR 收发器   ", 15},
      {"3. 标准 IrDA   ", 15}, {"               ", 15}, {"[ Enter ]键选择", 15}, {"[ ESC ]  键取消", 15}}},
    {PromptPageId::BaudRateMenu, 9660, 21,
     {{" 1. 115200 bps      ", 20}, {" 2. 57600  bps      ", 20}, {" 3. 38400  bps      ", 20},
      {" 4. 19200  bps      ", 20}, {" 5. 9600   bps      ", 20}}},
    {PromptPageId::Backlight, 9765, 21,
     {{"关闭背光        ", 16}, {"打开背光       ", 15}, {"关闭背光如果    ", 16}, {"空闲 _0 秒     ", 15}}},
    {PromptPageId::DataErase, 9849, 21,
     {{"在上传后擦除    ", 16}, {"数据:           ", 16}, {"1. 手工         ", 16}, {"2. 自动        ", 15}}},
    {PromptPageId::RecordPrompt, 9933, 21,
     {{" 打开提示       ", 16}, {" 关闭提示      ", 15}, {" 提示在屏幕上   ", 16}, {" 显示 :   00ms ", 15}}},
    {PromptPageId::ViewSettings, 10017, 21,
     {{"  [ 系统设置 ] ", 15}, {"上传:          ", 15}, {"下载:          ", 15}, {"波特率:        ", 15},
      {"LCD 背光:      ", 15}, {"持续时间:      ", 15}, {"擦除数据:      ", 15}, {"提示记录:      ", 15}}},
    {PromptPageId::Connecting, 10185, 16,
     {{"正在连接...   ", 14}, {"              ", 14}, {"按 ESC 键     ", 14}, {"取消          ", 14}}},
    {PromptPageId::ErrorMessages, 10249, 21,
     {{"数据类型错误!   ", 16}, {"数据过短!       ", 16}, {"数据过长!       ", 16}, {"引导码错误!     ", 16},
      {"按任意键...     ", 16}}},
    {PromptPageId::OtherMessages, 10354, 16,
     {{"正在下载...   ", 14}, {"下载完毕!     ", 14}, {"下载失败      ", 14}, {"请稍等...     ", 14},
      {"发送数据...   ", 14}, {"已传送:       ", 14}, {"完成          ", 14}}},
};

// The template file after both resets over a store whose every byte held `fill`: the
// listed values are written, everything else keeps `fill`. Offsets are file offsets.
std::vector<std::uint8_t> expectedResetFile(std::uint8_t fill) {
  std::vector<std::uint8_t> f(10596, 0);
  std::fill(f.begin() + 8, f.begin() + 10510, fill);
  std::memcpy(f.data(), "Kxx-4.00", 8);
  f[10] = 0;  // start position; the COM port bytes 8 and 9 are not assigned
  struct Edit { std::uint8_t clear, set; };
  constexpr Edit kBarcode[24] = {
      {0, 0x9B}, {0, 0xC9}, {0x06, 0}, {0xFF, 0}, {0xFF, 0}, {0, 0x2D}, {0x0B, 0x54}, {0x78, 0x80},
      {0xFF, 0}, {0x20, 0x19}, {0, 0x3D}, {0, 0}, {0xFF, 0xFF}, {0xFF, 1}, {0xFF, 0xFE}, {0xFF, 1},
      {0xFF, 0xFF}, {0xFF, 1}, {0xFF, 0xFF}, {0xFF, 1}, {0xFF, 0x66}, {0xFF, 3}, {0xFF, 3}, {0, 0}};
  for (int i = 0; i < 24; ++i) f[11 + i] = (f[11 + i] & ~kBarcode[i].clear) | kBarcode[i].set;
  for (int m = 0; m < 10; ++m) {
    std::uint8_t* r = &f[35 + 250 * m];
    r[0] = 1, r[1] = 0, r[2] = 0;
    for (int i = 0; i < 10; ++i) r[23 + 21 * i] = 0;
    std::fill(r + 233, r + 250, 0);
  }
  for (int k = 1; k <= 10; ++k) {
    std::uint8_t* r = &f[2535 + 601 * (k - 1)];
    r[0] = 1, r[1] = 0, r[2] = static_cast<std::uint8_t>(k);
    std::fill(r + 3, r + 7, 0);
    for (int i = 0; i < 8; ++i) {
      for (int at : {7, 15, 199, 215, 223, 231, 239, 327, 415, 503, 511, 527, 591}) r[at + i] = 0;
      r[23 + 21 * i] = r[247 + 10 * i] = r[335 + 10 * i] = r[423 + 10 * i] = r[535 + 6 * i] = 0;
      r[191 + i] = 2, r[207 + i] = 50, r[519 + i] = 20, r[583 + i] = 1;
    }
    r[599] = r[600] = 0;
  }
  for (int l = 0; l < 3; ++l) {
    std::uint8_t* r = &f[8545 + 19 * l];
    std::fill(r, r + 3, 0);
    std::fill(r + 3, r + 11, 1);
    std::fill(r + 11, r + 19, 0);
  }
  f[8602] = 0x2C, f[8603] = 0;
  for (const PageLayout& page : kPages)
    for (std::size_t i = 0; i < page.lines.size(); ++i) {
      const std::string text = gb(page.lines[i].utf8);
      std::memcpy(&f[page.fileOffset + page.slot * i], text.data(), text.size());
      f[page.fileOffset + page.slot * i + text.size()] = 0;
    }
  std::fill(f.begin() + 10466, f.begin() + 10496, 0);  // settings and password
  f[10466 + 4] = 0x32;
  const std::uint8_t extension[14] = {0x40, 1, 0, 0, 0, 1, 1, 1};
  std::copy(std::begin(extension), std::end(extension), f.begin() + 10496);
  return f;
}

TEST(Defaults, StartUpTemplateFileMatchesTheLayoutByteForByte) {
  const Template t = test::defaultTemplate();
  const auto file = encodeTemplateFile(t);
  EXPECT_TRUE(test::sameBytes(file, expectedResetFile(0)));

  // The landmarks of the layout, spelled out.
  EXPECT_EQ(std::string(file.begin(), file.begin() + 8), "Kxx-4.00");
  EXPECT_EQ(test::toHex(ConstBytes(file).subspan(8, 3)), "00 00 00");  // COM1, 115200 bit/s, form 1
  EXPECT_EQ(test::toHex(ConstBytes(file).subspan(11, 24)),
            "9B C9 00 00 00 2D 54 80 00 19 3D 00 FF 01 FE 01 FF 01 FF 01 66 03 03 00");
  EXPECT_EQ(file[35 + 250 * 9], 1);           // menu 10's font
  EXPECT_EQ(file[2535 + 601 * 9 + 2], 10);   // form 10's next target
  EXPECT_EQ(file[8545 + 19 * 2 + 3], 1);     // lookup 3's first field offset
  EXPECT_EQ(file[8602], ',');
  EXPECT_EQ(file[10466 + 4], 0x32);
  EXPECT_EQ(file[10496], '@');
}

TEST(Defaults, EveryPromptLineReadsItsDefaultTextAtItsFileOffset) {
  Template t = test::defaultTemplate();
  const auto file = encodeTemplateFile(t);
  ASSERT_EQ(kPages.size(), kPromptPageCount);
  for (const PageLayout& layout : kPages) {
    const PromptPage page = t.prompt(layout.id);
    SCOPED_TRACE(page.info().name);
    EXPECT_EQ(page.bytes().data() - t.bytes().data() + 8, static_cast<std::ptrdiff_t>(layout.fileOffset));
    ASSERT_EQ(page.lineCount(), layout.lines.size());
    EXPECT_EQ(page.maxText(), layout.slot - 1);
    for (std::size_t i = 0; i < layout.lines.size(); ++i) {
      const std::string line = page.line(i);
      EXPECT_EQ(gbToUtf8(line), layout.lines[i].utf8) << "line " << i + 1;
      EXPECT_EQ(line.size(), layout.lines[i].bytes) << "line " << i + 1;
      EXPECT_LT(line.size(), layout.slot) << "line " << i + 1 << " must leave room for its terminator";
    }
    EXPECT_EQ(readSlot(ConstBytes(file).subspan(layout.fileOffset, layout.slot)), page.line(0));
  }
}

// New over a store holding anything: only the listed values change.
class ResetOverOldContents : public ::testing::TestWithParam<std::uint8_t> {};

TEST_P(ResetOverOldContents, AssignsOnlyTheListedBytesAndBits) {
  Template t;
  std::fill(t.bytes().begin(), t.bytes().end(), GetParam());
  resetToDefaults(t);
  EXPECT_TRUE(test::sameBytes(encodeTemplateFile(t), expectedResetFile(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(Fills, ResetOverOldContents, ::testing::Values(0xFF, 0xA5, 0x5A));

TEST(Defaults, NewAfterEditsRestoresDefaultsButKeepsUnassignedState) {
  Template t = test::defaultTemplate();
  t.setComPort(3);
  BarcodeRecord bc = t.barcode();
  bc.setByte(11, 0x9C);
  bc.setWedgeTimeout(30);                       // byte 23
  bc.setFlag(BarcodeFlag::Code39, false);       // the reset sets it
  bc.setFlag(BarcodeFlag::TelepenPlain, true);  // the reset clears it
  bc.setFlag(BarcodeFlag::Matrix25, true);      // the reset leaves it
  t.prompt(PromptPageId::ErrorMessages).setLine(0, "ABCDEFGHIJKLMNOPQRST");
  t.form(2).setPrompt(0, "Quantity");

  resetToDefaults(t);

  EXPECT_EQ(t.comPort(), 3);
  EXPECT_EQ(test::toHex(bc.bytes().first(12)), "9F C9 00 00 00 2D 54 80 00 19 3D 9C");
  EXPECT_EQ(bc.wedgeTimeout(), 30);
  const auto error = t.prompt(PromptPageId::ErrorMessages).lineSlot(0);
  EXPECT_EQ(gbToUtf8(readSlot(error)), "数据类型错误!   ");
  EXPECT_EQ(std::string(error.begin() + 16, error.end()), std::string("\0RST\0", 5)) << "old tail kept";
  EXPECT_EQ(t.form(2).prompt(0), "");
  EXPECT_EQ(t.form(2).promptSlot(0)[1], 'u');
}

}  // namespace
}  // namespace k60
