// The program image: the default template section by section against its file bytes, and
// each normalisation and conversion on hand-built records.
#include <gtest/gtest.h>

#include <algorithm>

#include "link/program_image.h"
#include "template/template.h"
#include "tests/support/test_support.h"

namespace k60::link {
namespace {

using ByteVec = std::vector<std::uint8_t>;

using k60::test::defaultTemplate;

ByteVec imageBytes(const ProgramImage& image, std::size_t offset, std::size_t size) {
  return ByteVec(image.begin() + offset, image.begin() + offset + size);
}

ByteVec fileBytes(const ByteVec& file, std::size_t offset, std::size_t size) {
  return ByteVec(file.begin() + offset, file.begin() + offset + size);
}

using k60::test::gb;
ByteVec textBytes(std::string_view s) { return k60::test::bytesOf(s); }

// Image offsets of the sections.
constexpr std::size_t kBarcodeAt = 1, kMenusAt = 25, kFormsAt = 2525, kLookupsAt = 8535,
                      kSeparatorAt = 8592, kPromptsAt = 8594, kSettingsAt = 10456, kPasswordAt = 10476,
                      kExtensionAt = 10486;

std::size_t formAt(std::size_t form) { return kFormsAt + 601 * form; }
std::size_t menuAt(std::size_t menu) { return kMenusAt + 250 * menu; }

TEST(ProgramImageDefaults, EverySectionStandsAtItsFileOffsetMinusTen) {
  Template t = defaultTemplate();
  const ByteVec file = encodeTemplateFile(t);
  const ProgramImage image = buildProgramImage(t);

  EXPECT_EQ(image[0], 1) << "start at form 1";
  ByteVec barcode = fileBytes(file, 11, 24);
  barcode[3] = 1;  // keyboard type sent one up; byte 4 of 0 stays 0
  EXPECT_EQ(imageBytes(image, kBarcodeAt, 24), barcode);
  EXPECT_EQ(imageBytes(image, kBarcodeAt, 24),
            (ByteVec{0x9B, 0xC9, 0, 1, 0, 0x2D, 0x54, 0x80, 0, 0x19, 0x3D, 0, 0xFF, 1, 0xFE, 1, 0xFF, 1, 0xFF, 1,
                     0x66, 3, 3, 0}));
  EXPECT_EQ(imageBytes(image, kFormsAt, 6010), fileBytes(file, 2535, 6010));
  EXPECT_EQ(imageBytes(image, kLookupsAt, 57), fileBytes(file, 8545, 57));
  EXPECT_EQ(imageBytes(image, kSeparatorAt, 2), (ByteVec{',', 0}));
  EXPECT_EQ(imageBytes(image, kSettingsAt, 20),
            (ByteVec{1, 1, 1, 1, 0x32, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(imageBytes(image, kPasswordAt, 10), ByteVec(10, 0));
  EXPECT_EQ(imageBytes(image, kExtensionAt, 14), fileBytes(file, 10496, 14));
  EXPECT_EQ(image[kExtensionAt], 0x40);
  EXPECT_EQ(encodeTemplateFile(t), file) << "the default forms need no normalising";
}

TEST(ProgramImageDefaults, EmptyMenusGoOutAsLinesOfSpaces) {
  Template t = defaultTemplate();
  const ByteVec file = encodeTemplateFile(t);
  const ProgramImage image = buildProgramImage(t);
  for (std::size_t m = 0; m < 10; ++m) {
    const std::size_t at = menuAt(m), fileAt = 35 + 250 * m;
    EXPECT_EQ(imageBytes(image, at, 23), fileBytes(file, fileAt, 23)) << "title off: as stored";
    for (std::size_t item = 0; item < 10; ++item) {
      ByteVec expected(15, ' ');
      expected.push_back(0);
      const auto rest = fileBytes(file, fileAt + 23 + 21 * item + 16, 5);
      expected.insert(expected.end(), rest.begin(), rest.end());
      EXPECT_EQ(imageBytes(image, at + 23 + 21 * item, 21), expected) << m << "/" << item;
    }
    EXPECT_EQ(imageBytes(image, at + 233, 17), fileBytes(file, fileAt + 233, 17));
  }
}

TEST(ProgramImageDefaults, PromptLinesArePaddedToTheirPageWidth) {
  Template t = defaultTemplate();
  const ProgramImage image = buildProgramImage(t);
  // Welcome line 1, 15 bytes in a 16-byte slot: as stored with its 0.
  EXPECT_EQ(imageBytes(image, kPromptsAt, 16), textBytes(std::string("      ORVO     ") + '\0'));
  // Settings menu line 1, 16 bytes on a 20-wide page: four spaces added.
  EXPECT_EQ(imageBytes(image, kPromptsAt + 552, 21),
            textBytes(gb("  [ 系统设置 ]  ") + "    " + '\0'));
  // Connecting message line 1, 14 bytes on a 15-wide page.
  EXPECT_EQ(imageBytes(image, kPromptsAt + 1581, 16), textBytes(gb("正在连接...   ") + " " + '\0'));
  // Other messages, last line: the section ends at the settings.
  EXPECT_EQ(imageBytes(image, kSettingsAt - 16, 16), textBytes(gb("完成          ") + " " + '\0'));
}

TEST(ProgramImageStart, StartPositionOtherThanZeroStartsAtMenu1) {
  Template t = defaultTemplate();
  t.startup().setStartPosition(1);
  EXPECT_EQ(buildProgramImage(t)[0], 11);
  t.startup().setStartPosition(7);
  EXPECT_EQ(buildProgramImage(t)[0], 11);
  EXPECT_EQ(t.startup().startPosition(), 7) << "the template keeps its byte";
}

class ProgramImageForms : public ::testing::Test {
 protected:
  Template t = defaultTemplate();
  FormRecord form = t.form(2);
  std::size_t at = formAt(2);
};

TEST_F(ProgramImageForms, LargeFontDropsLines5To8AndTheCountSeesOnlyLines1To4) {
  form.setDataType(1, DataType::Integer);
  form.setDataType(5, DataType::Text);
  const ProgramImage image = buildProgramImage(t);
  EXPECT_EQ(form.dataType(5), DataType::Empty) << "changed in the template";
  EXPECT_EQ(form.inputLineCount(), 2);
  EXPECT_EQ(image[at + 15 + 5], 0);
  EXPECT_EQ(image[at + 599], 2);
}

TEST_F(ProgramImageForms, UnusedAndContinuationLinesLoseTheirPromptAndBinding) {
  form.setDataType(0, DataType::Text);
  form.setDataType(1, DataType::Continuation);
  form.setPrompt(1, "PROMPT");
  form.setLookupBinding(1, 3);
  form.setPrompt(2, "OLD");
  form.setLookupBinding(2, 4);
  const ProgramImage image = buildProgramImage(t);
  EXPECT_EQ(form.promptSlot(1)[0], 0);
  EXPECT_EQ(form.promptSlot(1)[1], 'R') << "only the first byte is cleared";
  EXPECT_EQ(form.promptSlot(2)[0], 0);
  EXPECT_EQ(form.lookupBinding(1), 0);
  EXPECT_EQ(form.lookupBinding(2), 0);
  EXPECT_EQ(image[at + 23 + 21], 0);
  EXPECT_EQ(image[at + 7 + 1], 0);
  EXPECT_EQ(image[at + 599], 1) << "a continuation line is no input line";
}

TEST_F(ProgramImageForms, FixedPromptAndCounterLinesLoseTheirBindingOnly) {
  form.setDataType(0, DataType::FixedData);
  form.setDataType(1, DataType::Prompt);
  form.setDataType(2, DataType::Counter);
  form.setDataType(3, DataType::Lookup);
  for (std::size_t line = 0; line < 4; ++line) {
    form.setLookupBinding(line, static_cast<std::uint8_t>(line + 1));
    form.setPrompt(line, "P");
  }
  const ProgramImage image = buildProgramImage(t);
  EXPECT_EQ(imageBytes(image, at + 7, 4), (ByteVec{0, 0, 0, 4}));
  for (std::size_t line = 0; line < 4; ++line) EXPECT_EQ(form.prompt(line), "P");
  EXPECT_EQ(form.inputLineCount(), 3) << "a counter counts; a lookup line does not";
}

TEST_F(ProgramImageForms, InputLineCountTakesTheLastBooleanOrCounterLine) {
  form.setDataType(2, DataType::Boolean);
  const ProgramImage image = buildProgramImage(t);
  EXPECT_EQ(form.inputLineCount(), 3);
  EXPECT_EQ(image[at + 599], 3);

  form.setDataType(2, DataType::Lookup);
  form.setDataType(0, DataType::Prompt);
  EXPECT_EQ(buildProgramImage(t)[at + 599], 0);
}

TEST_F(ProgramImageForms, LengthsAreClampedInTheTemplateAndTheImage) {
  form.setDataType(0, DataType::Text);
  form.setMaxLength(0, 80);
  form.setMinLength(0, 70);
  form.setMaxLength(1, 40);
  form.setMinLength(1, 60);
  const ProgramImage image = buildProgramImage(t);
  EXPECT_EQ(form.maxLength(0), 50);
  EXPECT_EQ(form.minLength(0), 50);
  EXPECT_EQ(form.minLength(1), 40);
  EXPECT_EQ(imageBytes(image, at + 199, 2), (ByteVec{50, 40}));
  EXPECT_EQ(imageBytes(image, at + 207, 2), (ByteVec{50, 40}));
}

TEST_F(ProgramImageForms, BuildingTwiceGivesTheSameImageAndLeavesTheChangedFlag) {
  form.setDataType(0, DataType::Text);
  form.setDataType(6, DataType::Integer);
  form.setPrefixOn(0, true);
  form.setPrefix(0, "13 10");
  t.setChanged(false);
  const ProgramImage first = buildProgramImage(t);
  const ByteVec afterFirst = encodeTemplateFile(t);
  const ProgramImage second = buildProgramImage(t);
  EXPECT_EQ(first, second);
  EXPECT_EQ(encodeTemplateFile(t), afterFirst);
  EXPECT_FALSE(t.changed());
}

TEST_F(ProgramImageForms, NumericCodesBecomeBytesInTheImageOnly) {
  form.setPrefixOn(0, true);
  form.setPrefix(0, "13 10");
  form.setSuffixOn(1, true);
  form.setSuffix(1, "  9");
  form.setPrefix(2, "13 10");  // prefix off: sent as typed
  form.setSuffixOn(3, true);
  form.setSuffix(3, "1 X");
  form.setPrefixOn(4, true);
  form.setPrefix(4, "0 7 000");
  form.setPrefixOn(5, true);  // empty text
  const ProgramImage image = buildProgramImage(t);
  EXPECT_EQ(imageBytes(image, at + 335, 10), (ByteVec{0x0D, 0x0A, 0, '1', '0', 0, 0, 0, 0, 0}));
  EXPECT_EQ(imageBytes(image, at + 423 + 10, 4), (ByteVec{0x09, 0, '9', 0}));
  EXPECT_EQ(imageBytes(image, at + 335 + 20, 6), textBytes(std::string("13 10") + '\0'));
  EXPECT_EQ(imageBytes(image, at + 423 + 30, 4), textBytes(std::string("1 X") + '\0'));
  EXPECT_EQ(imageBytes(image, at + 335 + 40, 2), (ByteVec{0x07, 0}));
  EXPECT_EQ(image[at + 335 + 50], 0);
  EXPECT_EQ(form.prefix(0), "13 10") << "the template keeps the typed text";
  EXPECT_EQ(form.suffix(1), "  9");
}

TEST_F(ProgramImageForms, CodesFillingTheSlotAndNumbersAbove255) {
  form.setPrefixOn(0, true);
  form.setPrefix(0, "1 2 3 4 5");
  // Ten digits and spaces with no terminator, as a file may hold them.
  form.setSuffixOn(0, true);
  const std::string full = "27 255 1 2";
  std::copy(full.begin(), full.end(), form.bytes().begin() + 423);
  form.setPrefixOn(1, true);
  form.setPrefix(1, "13 256");
  form.setSuffixOn(1, true);
  form.setSuffix(1, "999999999");
  const ProgramImage image = buildProgramImage(t);
  EXPECT_EQ(imageBytes(image, at + 335, 6), (ByteVec{1, 2, 3, 4, 5, 0}));
  EXPECT_EQ(imageBytes(image, at + 423, 5), (ByteVec{27, 255, 1, 2, 0}));
  EXPECT_EQ(imageBytes(image, at + 335 + 10, 7), textBytes(std::string("13 256") + '\0'))
      << "a number above 255 leaves the text as typed";
  EXPECT_EQ(imageBytes(image, at + 423 + 10, 10), textBytes(std::string("999999999") + '\0'));
}

class ProgramImageMenus : public ::testing::Test {
 protected:
  Template t = defaultTemplate();
  MenuRecord menu = t.menu(4);
  std::size_t at = menuAt(4);
};

TEST_F(ProgramImageMenus, SmallFontItemIsPaddedTo20AndCountedInTheCopyOnly) {
  menu.setFont(0);
  menu.setTitle("TITLE");
  menu.setItemName(0, gb("入库单"));
  menu.itemSlot(0)[20] = 0x77;  // no meaning, but stored and sent
  const ProgramImage image = buildProgramImage(t);
  EXPECT_EQ(imageBytes(image, at + 1, 22), ByteVec(menu.bytes().begin() + 1, menu.bytes().begin() + 23))
      << "title off: copied unchanged";
  EXPECT_EQ(imageBytes(image, at + 23, 21), textBytes(gb("入库单") + std::string(14, ' ') + '\0'));
  EXPECT_EQ(imageBytes(image, at + 23 + 21, 21), textBytes(std::string(20, ' ') + '\0'));
  EXPECT_EQ(image[at + 247], 1);
  EXPECT_EQ(menu.itemCount(), 0) << "the template's byte 247 is left alone";
  EXPECT_EQ(menu.itemName(0), gb("入库单"));
}

TEST_F(ProgramImageMenus, LargeFontTitleIsPaddedTo15AndBytesBeyondAreKept) {
  menu.setTitleOn(true);
  menu.setTitle("ABC");
  menu.titleSlot()[18] = 0x42;
  menu.setItemName(1, "   ");
  menu.setItemName(2, "X");
  menu.setItemName(3, gb("盘点"));
  menu.itemSlot(4)[10] = 0x41;  // after the terminator: shows nothing
  const ProgramImage image = buildProgramImage(t);
  ByteVec title = textBytes(std::string("ABC") + std::string(12, ' ') + '\0');
  title.insert(title.end(), {0, 0, 0x42, 0, 0});
  EXPECT_EQ(imageBytes(image, at + 2, 21), title);
  EXPECT_EQ(image[at + 247], 2) << "spaces only do not count";
  EXPECT_EQ(imageBytes(image, at + 23 + 21 * 4, 21),
            textBytes(std::string(15, ' ') + '\0' + std::string(5, '\0')));
}

TEST_F(ProgramImageMenus, ATitleLongerThanTheLineIsCutWithoutSplittingACharacter) {
  menu.setTitleOn(true);
  menu.setTitle(gb("仓库管理系统入库单据"));  // 20 bytes, large font: 15 columns
  const ProgramImage image = buildProgramImage(t);
  EXPECT_EQ(imageBytes(image, at + 2, 16), textBytes(gb("仓库管理系统入") + " " + '\0'));
  EXPECT_EQ(menu.title(), gb("仓库管理系统入库单据"));
}

TEST(ProgramImageBarcode, KeyboardChoicesGoOutOneUpWithinTheirBits) {
  Template t = defaultTemplate();
  const auto sendByte4 = [&t](std::uint8_t stored) {
    t.barcode().setByte(4, stored);
    return buildProgramImage(t)[kBarcodeAt + 4];
  };
  EXPECT_EQ(sendByte4(0x06), 0x00);
  EXPECT_EQ(sendByte4(0x02), 0x04);
  EXPECT_EQ(sendByte4(0x0A), 0x14);
  EXPECT_EQ(sendByte4(0x18), 0x00);
  EXPECT_EQ(sendByte4(0xE1 | 0x10), 0xE1 | 0x18) << "bit 0 and bits 5-7 as stored";
  EXPECT_EQ(t.barcode().byte(4), 0xF1);

  t.barcode().setKeyboardType(27);
  EXPECT_EQ(buildProgramImage(t)[kBarcodeAt + 3], 28);
  t.barcode().setKeyboardType(255);
  EXPECT_EQ(buildProgramImage(t)[kBarcodeAt + 3], 0);
}

TEST(ProgramImageSettings, ChoicesGoOutOneUpAndByte4As0x32) {
  Template t = defaultTemplate();
  const auto settings = t.block(Block::Settings);
  const ByteVec stored = {3, 2, 4, 1, 0x77, 1, 0xFF, 9, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 7};
  std::copy(stored.begin(), stored.end(), settings.begin());
  const ProgramImage image = buildProgramImage(t);
  EXPECT_EQ(imageBytes(image, kSettingsAt, 20),
            (ByteVec{4, 3, 5, 2, 0x32, 2, 0, 9, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 7}));
  EXPECT_EQ(ByteVec(settings.begin(), settings.end()), stored);
}

TEST(ProgramImagePassword, LowerCaseLettersAreSentAsCapitals) {
  Template t = defaultTemplate();
  t.setPassword("ab12cz");
  t.block(Block::Password)[8] = 'q';  // behind the terminator: no meaning, still a letter
  const ProgramImage image = buildProgramImage(t);
  EXPECT_EQ(imageBytes(image, kPasswordAt, 10), (ByteVec{'A', 'B', '1', '2', 'C', 'Z', 0, 0, 'Q', 0}));
  EXPECT_EQ(t.password(), "ab12cz");

  t.setPassword("0123456789");
  EXPECT_EQ(imageBytes(buildProgramImage(t), kPasswordAt, 10), textBytes("0123456789"));
}

TEST(ProgramImagePrompts, ShortEmptyAndOverlongLines) {
  Template t = defaultTemplate();
  PromptPage deletePage = t.prompt(PromptPageId::DeleteMenu);  // 15 wide, image offset 296
  deletePage.setLine(0, "ELEVEN BYTE");
  deletePage.setLine(1, "");
  // A damaged file: 16 bytes and no terminator in a 16-byte slot, ending in half a character.
  const std::string overlong = "ABCDEFGHIJKLMN" + gb("库");
  std::copy(overlong.begin(), overlong.end(), deletePage.lineSlot(2).begin());
  const ProgramImage image = buildProgramImage(t);
  const std::size_t at = kPromptsAt + 296;
  EXPECT_EQ(imageBytes(image, at, 16), textBytes(std::string("ELEVEN BYTE    ") + '\0'));
  EXPECT_EQ(imageBytes(image, at + 16, 16), textBytes(std::string(15, ' ') + '\0'));
  EXPECT_EQ(imageBytes(image, at + 32, 16), textBytes(std::string("ABCDEFGHIJKLMN ") + '\0'));
  EXPECT_EQ(deletePage.line(0), "ELEVEN BYTE");
}

}  // namespace
}  // namespace k60::link
