// The template file: encoding, the reader's version handling and refusals, Open's file
// name rules, the writer's replacement of an existing file, and Save As naming.
#include <cstring>

#include "template/atx_file.h"
#include "template/file_io.h"
#include "template/form_record.h"
#include "template/lookup_record.h"
#include "template/menu_record.h"
#include "template/prompt_pages.h"
#include "tests/support/test_support.h"

namespace k60 {
namespace {

using test::gb;

constexpr std::size_t kExtensionAt = 10496;

// A template whose every store byte differs from its neighbours and from the defaults,
// with the extension marker in place.
Template patterned() {
  Template t;
  for (std::size_t i = 0; i < kStoreSize; ++i) t.bytes()[i] = static_cast<std::uint8_t>(i * 7 + 3);
  t.extension().setByte(0, '@');
  return t;
}

std::vector<std::uint8_t> withMagic(std::vector<std::uint8_t> file, std::string_view magic) {
  std::memcpy(file.data(), magic.data(), 8);
  return file;
}

// What reading `t`'s file gives: every block as it stands, font bytes forced to 1.
Template expectedAfterRead(Template t) {
  for (std::size_t i = 0; i < kFormCount; ++i) t.form(i).setFont(1);
  for (std::size_t i = 0; i < kMenuCount; ++i) t.menu(i).setFont(1);
  return t;
}

std::vector<std::string> recordPromptLinesUtf8(Template& t) {
  std::vector<std::string> out;
  const PromptPage page = t.prompt(PromptPageId::RecordPrompt);
  for (std::size_t i = 0; i < page.lineCount(); ++i) out.push_back(gbToUtf8(page.line(i)));
  return out;
}

const std::vector<std::string> kOldRecordPrompt = {" 打开提示      ", " 关闭提示      ", " 提示在屏幕上  ",
                                                   " 显示 :   00ms "};

// The file holds the store verbatim after the magic (the layout itself is pinned by the
// defaults tests); reading it back restores every block, record-prompt page included.
TEST(AtxDecode, RoundTripKeepsEveryBlockButTheFontBytes) {
  Template written = patterned();
  written.form(3).setFont(0);
  written.menu(8).setFont(0);
  Template read = test::defaultTemplate();
  read.setChanged(true);
  read.setFileName("keep.ATX");
  ASSERT_EQ(decodeTemplateFile(encodeTemplateFile(written), read), ReadStatus::Ok);
  EXPECT_TRUE(test::sameBytes(read.bytes(), expectedAfterRead(written).bytes()));
  EXPECT_EQ(read.form(3).font(), 1);
  EXPECT_EQ(read.menu(8).font(), 1);
  EXPECT_TRUE(read.changed()) << "reading leaves the changed flag alone";
  EXPECT_EQ(read.fileName(), "keep.ATX");
}

TEST(AtxDecode, MagicMustMatchExactly) {
  const auto good = encodeTemplateFile(patterned());
  for (std::string_view magic : {"Kxx-4.00", "Kxx-3.10"}) {
    Template t = test::defaultTemplate();
    EXPECT_EQ(decodeTemplateFile(withMagic(good, magic), t), ReadStatus::Ok) << magic;
  }
  const std::string refused[] = {"kxx-4.00", "KXX-4.00", "Kxx-4.01", "Kxx-3.1 ", "Kxx 4.00",
                                 std::string("\0xx-4.00", 8)};
  for (const std::string& magic : refused) {
    Template t = test::defaultTemplate();
    const Template before = t;
    EXPECT_EQ(decodeTemplateFile(withMagic(good, magic), t), ReadStatus::FormatMismatch) << magic;
    EXPECT_TRUE(test::sameBytes(t.bytes(), before.bytes()));
  }
}

TEST(AtxDecode, FileWithoutMarkerGetsExtensionDefaultsAndOldRecordPromptLines) {
  Template written = patterned();
  written.extension().setByte(0, 0x00);
  for (std::string_view magic : {"Kxx-3.10", "Kxx-4.00"}) {
    SCOPED_TRACE(magic);
    Template t = test::defaultTemplate();
    ASSERT_EQ(decodeTemplateFile(withMagic(encodeTemplateFile(written), magic), t), ReadStatus::Ok);
    EXPECT_EQ(test::toHex(t.block(Block::Extension)), "40 01 00 00 00 01 01 01 00 00 00 00 00 00");
    EXPECT_EQ(recordPromptLinesUtf8(t), kOldRecordPrompt);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(t.prompt(PromptPageId::RecordPrompt).line(i).size(), 15u);
    // Everything else comes from the file.
    EXPECT_TRUE(test::sameBytes(t.block(Block::Password), written.block(Block::Password)));
    EXPECT_TRUE(test::sameBytes(t.prompt(PromptPageId::ViewSettings).bytes(),
                                written.prompt(PromptPageId::ViewSettings).bytes()));
  }
}

TEST(AtxDecode, FilesShorterThanThePasswordAreRefusedUntouched) {
  const auto full = encodeTemplateFile(patterned());
  for (std::size_t size : {0, 7, 8, 35, 10495}) {
    Template t = test::defaultTemplate();
    const Template before = t;
    const std::vector<std::uint8_t> file(full.begin(), full.begin() + size);
    EXPECT_EQ(decodeTemplateFile(file, t), ReadStatus::FormatMismatch) << size << " bytes";
    EXPECT_TRUE(test::sameBytes(t.bytes(), before.bytes())) << size << " bytes";
  }
}

TEST(AtxDecode, FilesEndingInsideTheExtensionBlockReadItAsAbsent) {
  Template written = patterned();
  const auto full = encodeTemplateFile(written);
  ASSERT_EQ(full[kExtensionAt], '@');
  for (std::size_t size : {10496, 10497, 10509}) {
    SCOPED_TRACE(std::to_string(size) + " bytes");
    Template t = test::defaultTemplate();
    ASSERT_EQ(decodeTemplateFile(std::vector<std::uint8_t>(full.begin(), full.begin() + size), t), ReadStatus::Ok);
    EXPECT_EQ(test::toHex(t.block(Block::Extension)), "40 01 00 00 00 01 01 01 00 00 00 00 00 00");
    EXPECT_EQ(recordPromptLinesUtf8(t), kOldRecordPrompt);
    EXPECT_TRUE(test::sameBytes(t.block(Block::Password), written.block(Block::Password)));
  }
  // The trailer is optional and never read.
  for (std::size_t size : {10510, 12000}) {
    auto file = full;
    file.resize(size, 0xEE);
    std::fill(file.begin() + 10510, file.end(), 0xEE);
    Template t = test::defaultTemplate();
    ASSERT_EQ(decodeTemplateFile(file, t), ReadStatus::Ok);
    EXPECT_TRUE(test::sameBytes(t.bytes(), expectedAfterRead(written).bytes())) << size << " bytes";
  }
}

class AtxFiles : public ::testing::Test {
 protected:
  test::ScratchDir dir;
};

TEST_F(AtxFiles, CustomPromptTextsSurviveOpenAndSave) {
  Template edited = test::defaultTemplate();
  edited.prompt(PromptPageId::Welcome).setLine(1, gb("  库存盘点  "));
  edited.prompt(PromptPageId::OtherMessages).setLine(6, "Done!");
  const std::string first = dir.file("first.ATX");
  ASSERT_TRUE(writeTemplateFile(first, edited));

  Template t = test::defaultTemplate();
  ASSERT_EQ(openTemplate(t, first), ReadStatus::Ok);
  EXPECT_EQ(gbToUtf8(t.prompt(PromptPageId::Welcome).line(1)), "  库存盘点  ");
  EXPECT_EQ(t.prompt(PromptPageId::OtherMessages).line(6), "Done!");
  const std::string second = dir.file("second.ATX");
  ASSERT_TRUE(writeTemplateFile(second, t));
  EXPECT_TRUE(test::sameBytes(test::readWholeFile(second), test::readWholeFile(first)));
}

TEST_F(AtxFiles, OpenSetsTheFileNameOnlyForAnAcceptedFile) {
  const std::string good = dir.file("plan.ATX");
  ASSERT_TRUE(writeTemplateFile(good, patterned()));
  auto bad = encodeTemplateFile(patterned());
  bad[3] = '5';
  const std::string wrong = dir.file("wrong.ATX");
  test::writeWholeFile(wrong, bad);

  Template t = test::defaultTemplate();
  t.setChanged(true);
  EXPECT_EQ(openTemplate(t, good), ReadStatus::Ok);
  EXPECT_EQ(t.fileName(), good);
  EXPECT_TRUE(t.changed()) << "Open leaves the changed flag as it was";
  EXPECT_TRUE(test::sameBytes(t.bytes(), expectedAfterRead(patterned()).bytes()));

  const Template before = t;
  EXPECT_EQ(openTemplate(t, wrong), ReadStatus::FormatMismatch);
  EXPECT_FALSE(t.hasFileName());
  EXPECT_TRUE(test::sameBytes(t.bytes(), before.bytes()));

  t.setFileName(good);
  EXPECT_EQ(openTemplate(t, dir.file("missing.ATX")), ReadStatus::CannotOpen);
  EXPECT_FALSE(t.hasFileName());
  EXPECT_TRUE(test::sameBytes(t.bytes(), before.bytes()));
}

TEST_F(AtxFiles, WriteReplacesAnExistingFileAndLeavesNoTemporaryFile) {
  const std::string path = dir.file("plan.ATX");
  test::writeWholeFile(path, test::asBytes("an older file"));
  const Template t = test::defaultTemplate();
  ASSERT_TRUE(writeTemplateFile(path, t));
  EXPECT_TRUE(test::sameBytes(test::readWholeFile(path), encodeTemplateFile(t)));
  EXPECT_EQ(test::filesIn(dir.path()), 1u) << "a temporary file was left behind";
}

TEST_F(AtxFiles, WriteIntoAMissingDirectoryFails) {
  const std::string path = (dir.path() / "no-such-dir" / "plan.ATX").string();
  EXPECT_FALSE(writeTemplateFile(path, test::defaultTemplate()));
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(FileNames, CurrentNameAndSaveAsNameHoldAtMost255Bytes) {
  Template t;
  const std::string longest(255, 'n');
  EXPECT_TRUE(t.setFileName(longest));
  EXPECT_FALSE(t.setFileName(longest + "n"));
  EXPECT_EQ(t.fileName(), longest);

  EXPECT_EQ(saveAsFileName("plan"), "plan.ATX");
  EXPECT_EQ(saveAsFileName("plan.Atx"), "plan.Atx");
  EXPECT_EQ(saveAsFileName("plan.atx"), "plan.atx");
  EXPECT_EQ(saveAsFileName("plan.txt"), "plan.txt.ATX");
  EXPECT_EQ(saveAsFileName("planATX"), "planATX.ATX");
  EXPECT_EQ(saveAsFileName("dir.ATX/plan"), "dir.ATX/plan.ATX");
  EXPECT_EQ(saveAsFileName(std::string(251, 'p')), std::string(251, 'p') + ".ATX");
  EXPECT_EQ(saveAsFileName(std::string(252, 'p')), std::nullopt);
  EXPECT_EQ(saveAsFileName(std::string(251, 'p') + ".atx"), std::string(251, 'p') + ".atx");
  EXPECT_EQ(saveAsFileName(std::string(252, 'p') + ".atx"), std::nullopt);
}

// Chinese characters count two bytes each, as the name is held in the user's code page,
// though UTF-8 spells them with three.
TEST(FileNames, ChineseCharactersCountTwoBytes) {
  std::string chinese;
  for (int i = 0; i < 125; ++i) chinese += "计";  // 250 bytes in GB2312, 375 in UTF-8
  Template t;
  EXPECT_TRUE(t.setFileName(chinese + "a.ATX"));
  EXPECT_FALSE(t.setFileName(chinese + "ab.ATX"));
  EXPECT_EQ(t.fileName(), chinese + "a.ATX");
  EXPECT_EQ(saveAsFileName(chinese + "p"), chinese + "p.ATX");
  EXPECT_EQ(saveAsFileName(chinese + "pp"), std::nullopt);
}

}  // namespace
}  // namespace k60
