// The lookup page's model: modes and labels, row enabling, the number boxes and what OK
// writes, including the refused separator layout. The controls are the Windows tests'.
#include <gtest/gtest.h>

#include <vector>

#include "editor/lookup_page.h"
#include "resources/editor_ids.h"
#include "tests/support/test_support.h"

namespace k60::editor {
namespace {

using k60::test::storeOf;

class LookupModelTest : public ::testing::Test {
 protected:
  void SetUp() override { resetToDefaults(t); }

  // Types into the boxes of the lookup shown, as the page forwards their changes.
  static void type(LookupPageModel& page, int id, std::string_view text) { page.numberChanged(id, text); }
  static void typeLengths(LookupPageModel& page, std::initializer_list<const char*> lengths) {
    int id = IDC_LOOKUP_LENGTH;
    for (const char* length : lengths) type(page, id++, length);
  }

  Template t;
};

TEST_F(LookupModelTest, SeparatorFortyFourWithLengthsFiveTenTwoGivesOffsetsOneSevenEighteen) {
  LookupPageModel page(t);
  page.show(1);
  page.selectFieldCount(3);
  page.chooseSeparator();
  type(page, IDC_LOOKUP_SEPARATOR, "44");
  typeLengths(page, {"5", "10", "2"});
  ASSERT_EQ(page.apply(t), std::nullopt);
  const LookupRecord l = t.lookup(1);
  EXPECT_EQ(l.fieldOffset(0), 1);
  EXPECT_EQ(l.fieldOffset(1), 7);
  EXPECT_EQ(l.fieldOffset(2), 18);
  EXPECT_EQ(l.memberLength(), 19);
  EXPECT_EQ(t.extension().separator(1), 44);
}

TEST_F(LookupModelTest, LayoutsUpToTwoHundredFiftyAreStoredAndLongerOnesRefusedWhole) {
  struct Case {
    std::vector<const char*> lengths;
    std::optional<unsigned> refused;  // the length named
    std::uint8_t member;
  };
  const std::vector<Case> cases = {
      {{"100", "100", "48"}, std::nullopt, 250},
      {{"100", "100", "49"}, 251u, 0},
      {{"100", "100", "100"}, 302u, 0},
      {{}, std::nullopt, 0},  // no fields: member length 0
  };
  for (const Case& c : cases) {
    resetToDefaults(t);
    t.lookup(2).setMemberLength(33);
    const auto before = storeOf(t);
    LookupPageModel page(t);
    page.show(2);
    page.selectFieldCount(static_cast<std::uint8_t>(c.lengths.size()));
    type(page, IDC_LOOKUP_SEPARATOR, "9");
    page.chooseSeparator();
    for (std::size_t k = 0; k < c.lengths.size(); ++k) type(page, IDC_LOOKUP_LENGTH + int(k), c.lengths[k]);
    const auto refusal = page.apply(t);
    if (c.refused) {
      ASSERT_TRUE(refusal);
      EXPECT_EQ(refusal->lookup, 2u);
      EXPECT_EQ(refusal->length, *c.refused);
      EXPECT_EQ(storeOf(t), before) << "nothing of the page is written";
      EXPECT_NE(refusalMessage(*refusal).find(std::to_string(*c.refused)), std::string::npos);
      EXPECT_EQ(refusalMessage(*refusal).rfind("第三个索引文件", 0), 0u);
    } else {
      EXPECT_EQ(refusal, std::nullopt);
      EXPECT_EQ(t.lookup(2).memberLength(), c.member);
    }
  }
}

TEST_F(LookupModelTest, ALongFixedLengthLookupIsNotLaidOutNorRefused) {
  LookupPageModel page(t);
  page.selectFieldCount(3);
  typeLengths(page, {"200", "200", "200"});
  type(page, IDC_LOOKUP_MEMBER_LENGTH, "12");
  EXPECT_EQ(page.apply(t), std::nullopt);
  EXPECT_EQ(t.lookup(0).memberLength(), 12);
  EXPECT_EQ(t.lookup(0).fieldOffset(1), 1);
}

TEST_F(LookupModelTest, RowsFollowTheFieldCountAndTheMode) {
  struct Case {
    std::uint8_t separator;  // as stored when shown
    int radio;               // 0 none, 411 or 412 clicked after showing
    std::uint8_t count;
    std::vector<FieldRow> rows;  // rows 1..3
  };
  const std::vector<Case> cases = {
      {0, 0, 2, {{true, true}, {true, true}, {false, false}}},
      {44, 0, 2, {{false, true}, {false, true}, {false, false}}},
      {0, IDC_LOOKUP_SEPARATED, 3, {{false, true}, {false, true}, {false, true}}},
      {44, IDC_LOOKUP_FIXED, 1, {{true, true}, {false, false}, {false, false}}},
      {0, 0, 12, {{true, true}, {true, true}, {true, true}}},  // a damaged count reads as 8
  };
  for (const Case& c : cases) {
    t.extension().setSeparator(0, c.separator);
    LookupPageModel page(t);
    if (c.radio == IDC_LOOKUP_SEPARATED) page.chooseSeparator();
    if (c.radio == IDC_LOOKUP_FIXED) page.chooseFixed();
    page.selectFieldCount(c.count);
    for (std::size_t k = 0; k < c.rows.size(); ++k) {
      EXPECT_EQ(page.row(k).offset, c.rows[k].offset) << int(c.separator) << " " << c.radio << " row " << k + 1;
      EXPECT_EQ(page.row(k).length, c.rows[k].length) << int(c.separator) << " " << c.radio << " row " << k + 1;
    }
    EXPECT_EQ(page.memberLengthEnabled(), !page.separatorShown());
    EXPECT_EQ(page.separatorEnabled(), page.separatorShown());
  }
}

TEST_F(LookupModelTest, LoweringTheFieldCountKeepsTheValuesOfTheRowsLeft) {
  LookupPageModel page(t);
  page.selectFieldCount(4);
  type(page, IDC_LOOKUP_LENGTH + 3, "9");
  page.selectFieldCount(2);
  EXPECT_FALSE(page.row(3).length);
  page.apply(t);
  EXPECT_EQ(t.lookup(0).fieldLength(3), 9);
}

TEST_F(LookupModelTest, TheLabelSaysWhichModeAndEachLookupShowsItsOwn) {
  t.extension().setSeparator(0, 44);
  LookupPageModel page(t);
  EXPECT_EQ(page.lengthLabel(), "Max Length");
  page.show(1);
  EXPECT_EQ(page.lengthLabel(), "   长度");
  EXPECT_FALSE(page.separatorShown());
  page.chooseSeparator();
  EXPECT_EQ(page.lengthLabel(), "最大长度");
  page.chooseFixed();
  EXPECT_EQ(page.lengthLabel(), "   长度");
}

TEST_F(LookupModelTest, TheSeparatorRadioTakesTheNumberTypedAndZeroStaysFixedLength) {
  t.extension().setSeparator(0, 44);
  LookupPageModel page(t);
  page.fillText(IDC_LOOKUP_SEPARATOR);
  type(page, IDC_LOOKUP_SEPARATOR, "44");  // the fill's own change
  page.chooseFixed();
  EXPECT_EQ(page.extension().separator(0), 0);
  page.chooseSeparator();
  EXPECT_EQ(page.extension().separator(0), 44);

  type(page, IDC_LOOKUP_SEPARATOR, "0");
  page.selectFieldCount(2);
  typeLengths(page, {"5", "5"});
  page.apply(t);
  EXPECT_EQ(t.extension().separator(0), 0);
  EXPECT_EQ(t.lookup(0).memberLength(), 0) << "no layout without a separator";
  LookupPageModel again(t);
  EXPECT_FALSE(again.separatorShown());
}

TEST_F(LookupModelTest, NumberBoxesStoreWithinTheirLimits) {
  struct Case {
    int id;
    const char* text;
    std::optional<std::uint8_t> stored;  // none: the record keeps 7
    std::optional<std::string> shown;
  };
  const std::vector<Case> cases = {
      {IDC_LOOKUP_LENGTH, "250", 250, std::nullopt},
      {IDC_LOOKUP_LENGTH, "300", std::nullopt, "7"},
      {IDC_LOOKUP_OFFSET + 7, "x", 0, "0"},
      {IDC_LOOKUP_MEMBER_LENGTH, "", 0, std::nullopt},
      {IDC_LOOKUP_SEPARATOR, "255", 255, std::nullopt},
      {IDC_LOOKUP_SEPARATOR, "256", std::nullopt, "7"},
  };
  for (const Case& c : cases) {
    LookupRecord l = t.lookup(0);
    l.setMemberLength(7);
    l.setFieldOffset(7, 7);
    l.setFieldLength(0, 7);
    t.extension().setSeparator(0, 7);
    LookupPageModel page(t);
    page.fillText(c.id);
    const NumberAnswer answer = page.numberChanged(c.id, c.text);
    EXPECT_EQ(answer.show, c.shown) << c.id << " " << c.text;
    page.apply(t);
    const std::uint8_t stored = c.id == IDC_LOOKUP_SEPARATOR  ? t.extension().separator(0)
                                : c.id == IDC_LOOKUP_LENGTH   ? t.lookup(0).fieldLength(0)
                                : c.id == IDC_LOOKUP_MEMBER_LENGTH ? t.lookup(0).memberLength()
                                                                   : t.lookup(0).fieldOffset(7);
    EXPECT_EQ(stored, c.stored.value_or(7)) << c.id << " " << c.text;
  }
}

TEST_F(LookupModelTest, OptionsGoToTheirLookupAndApplyWritesExtensionBytesTwoToTenOnly) {
  t.extension().setWedgeCrLf(false);
  t.extension().setSeparateFiles(true);
  LookupPageModel page(t);
  page.show(2);
  EXPECT_FALSE(page.toggleUploadable());
  page.selectNoMatchAction(3);
  page.selectKeyField(5);
  page.extension().setByte(ExtensionBlock::kWedgeCrLf, 1);  // not this page's to write
  page.extension().setByte(ExtensionBlock::kSeparateFiles, 0);
  page.apply(t);
  EXPECT_FALSE(t.extension().uploadable(2));
  EXPECT_TRUE(t.extension().uploadable(1));
  EXPECT_EQ(t.extension().noMatchAction(2), 3);
  EXPECT_EQ(t.lookup(2).keyField(), 5);
  EXPECT_FALSE(t.extension().wedgeCrLf());
  EXPECT_TRUE(t.extension().separateFiles());
}

}  // namespace
}  // namespace k60::editor
