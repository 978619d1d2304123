// The lookup page's model: modes and labels, row enabling and what OK writes, including the
// refused separator layout. The number box rule is box_rules_test's; the controls are the
// Windows tests'.
#include <gtest/gtest.h>

#include <vector>

#include "editor/lookup_page.h"
#include "resources/editor_ids.h"
#include "tests/support/test_support.h"

namespace k60::editor {
namespace {

using k60::test::storeOf;

// Lookup `index` in separator mode with separator 44 and the given field lengths typed.
void typeSeparatorLayout(LookupPageModel& page, std::size_t index, const std::vector<const char*>& lengths) {
  page.show(index);
  page.selectFieldCount(static_cast<std::uint8_t>(lengths.size()));
  page.chooseSeparator();
  page.numberChanged(IDC_LOOKUP_SEPARATOR, "44");
  for (std::size_t k = 0; k < lengths.size(); ++k) page.numberChanged(IDC_LOOKUP_LENGTH + int(k), lengths[k]);
}

TEST(LookupModel, SeparatorLayoutsUpToTwoHundredFiftyAreStoredAndLongerOnesRefusedWhole) {
  struct Case {
    std::vector<const char*> lengths;
    std::vector<std::uint8_t> offsets;
    unsigned member;  // above 250: refused, and named in the message
  };
  const std::vector<Case> cases = {
      {{"5", "10", "2"}, {1, 7, 18}, 19},
      {{"100", "100", "48"}, {1, 102, 203}, 250},
      {{"100", "100", "49"}, {}, 251},
      {{"100", "100", "100"}, {}, 302},
      {{}, {}, 0},  // no fields: member length 0
  };
  for (const Case& c : cases) {
    Template t = test::defaultTemplate();
    t.lookup(2).setMemberLength(33);
    const auto before = storeOf(t);
    LookupPageModel page(t);
    typeSeparatorLayout(page, 2, c.lengths);
    const auto refusal = page.apply(t);
    if (c.member > 250) {
      ASSERT_TRUE(refusal) << c.member;
      EXPECT_EQ(refusal->length, c.member);
      EXPECT_EQ(storeOf(t), before) << "nothing of the page is written";
      const std::string message = refusalMessage(*refusal);
      EXPECT_EQ(message.rfind("第三个索引文件", 0), 0u) << message;
      EXPECT_NE(message.find(std::to_string(c.member)), std::string::npos) << message;
      continue;
    }
    ASSERT_EQ(refusal, std::nullopt);
    EXPECT_EQ(t.lookup(2).memberLength(), c.member);
    for (std::size_t k = 0; k < c.offsets.size(); ++k) EXPECT_EQ(t.lookup(2).fieldOffset(k), c.offsets[k]);
    EXPECT_EQ(t.extension().separator(2), 44);
  }
}

TEST(LookupModel, RowsFollowTheFieldCountAndTheMode) {
  struct Case {
    std::uint8_t separator;  // as stored when shown
    int radio;               // 0 none, 411 or 412 clicked after showing
    std::uint8_t count;
    std::vector<FieldRow> rows;  // rows 1..3: {offset, length and key}
  };
  const std::vector<Case> cases = {
      {0, 0, 2, {{true, true}, {true, true}, {false, false}}},
      {44, 0, 2, {{false, true}, {false, true}, {false, false}}},
      {0, IDC_LOOKUP_SEPARATED, 3, {{false, true}, {false, true}, {false, true}}},
      {44, IDC_LOOKUP_FIXED, 1, {{true, true}, {false, false}, {false, false}}},
      {0, 0, 12, {{true, true}, {true, true}, {true, true}}},  // a damaged count reads as 8
  };
  for (const Case& c : cases) {
    Template t = test::defaultTemplate();
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
  }
}

TEST(LookupModel, TheLabelAndTheSeparatorFollowTheRadiosAndEachLookupShowsItsOwn) {
  Template t = test::defaultTemplate();
  t.extension().setSeparator(0, 44);
  LookupPageModel page(t);
  EXPECT_EQ(page.lengthLabel(), "Max Length");
  page.fillText(IDC_LOOKUP_SEPARATOR);
  page.numberChanged(IDC_LOOKUP_SEPARATOR, "44");  // the fill's own change
  page.chooseFixed();
  EXPECT_EQ(page.lengthLabel(), "   长度");
  EXPECT_EQ(page.extension().separator(0), 0);
  page.chooseSeparator();
  EXPECT_EQ(page.lengthLabel(), "最大长度");
  EXPECT_EQ(page.extension().separator(0), 44) << "the radio takes the number in the box";
  page.show(1);
  EXPECT_EQ(page.lengthLabel(), "   长度");
  EXPECT_FALSE(page.separatorShown());
}

TEST(LookupModel, LengthsStopAtTwoHundredFiftyAndTheSeparatorAtTwoHundredFiftyFive) {
  Template t = test::defaultTemplate();
  LookupPageModel page(t);
  for (const char* text : {"250", "300"}) page.numberChanged(IDC_LOOKUP_LENGTH + 7, text);
  for (const char* text : {"255", "256"}) page.numberChanged(IDC_LOOKUP_SEPARATOR, text);
  EXPECT_EQ(page.lookup().fieldLength(7), 250);
  EXPECT_EQ(page.extension().separator(0), 255);
}

TEST(LookupModel, OptionsGoToTheirLookupAndApplyWritesExtensionBytesTwoToTenOnly) {
  Template t = test::defaultTemplate();
  t.extension().setWedgeCrLf(false);
  t.extension().setSeparateFiles(true);
  LookupPageModel page(t);
  page.show(2);
  EXPECT_FALSE(page.toggleUploadable());
  page.selectNoMatchAction(3);
  page.selectKeyField(5);
  page.extension().setWedgeCrLf(true);  // not this page's bytes to write
  page.extension().setSeparateFiles(false);
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
