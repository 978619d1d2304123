// The lookup page's model: modes, labels, rows and what OK writes, a refused layout included.
// The number box rule is box_rules_test's; the controls and other pages' options the Windows tests'.
#include <gtest/gtest.h>

#include <vector>

#include "editor/lookup_page.h"
#include "resources/editor_ids.h"
#include "tests/support/test_support.h"

namespace k60::editor {
namespace {

using k60::test::storeOf;

TEST(LookupModel, SeparatorLayoutsUpToTwoHundredFiftyAreStoredAndLongerOnesRefusedWhole) {
  struct Case {
    std::vector<const char*> lengths;
    std::vector<std::uint8_t> offsets;
    unsigned member;  // above 250: refused
  };
  const std::vector<Case> cases = {
      {{"5", "10", "2"}, {1, 7, 18}, 19},
      {{"100", "100", "48"}, {1, 102, 203}, 250},
      {{"250", "300"}, {}, 251},  // 300 passes the limit and is not stored: 250 + 1 + 0
      {{}, {}, 0},                // no fields: member length 0
  };
  for (const Case& c : cases) {
    Template t = test::defaultTemplate();
    t.lookup(2).setMemberLength(33);
    const auto before = storeOf(t);
    LookupPageModel page(t);
    page.show(2);
    page.selectFieldCount(static_cast<std::uint8_t>(c.lengths.size()));
    page.chooseSeparator();
    page.numberChanged(IDC_LOOKUP_SEPARATOR, "44");
    for (std::size_t k = 0; k < c.lengths.size(); ++k) page.numberChanged(IDC_LOOKUP_LENGTH + int(k), c.lengths[k]);
    const auto refusal = page.apply(t);
    if (c.member > 250) {
      ASSERT_TRUE(refusal) << c.member;
      EXPECT_EQ(refusal->length, c.member);
      EXPECT_EQ(storeOf(t), before) << "nothing of the page is written";
      EXPECT_EQ(refusalMessage(*refusal).rfind("第三个索引文件", 0), 0u) << "names the lookup";
      continue;
    }
    ASSERT_EQ(refusal, std::nullopt);
    EXPECT_EQ(t.lookup(2).memberLength(), c.member);
    for (std::size_t k = 0; k < c.offsets.size(); ++k) EXPECT_EQ(t.lookup(2).fieldOffset(k), c.offsets[k]);
  }
}

TEST(LookupModel, RowsAndLabelFollowTheFieldCountAndTheRadios) {
  struct Case {
    std::uint8_t separator;   // as stored when shown
    std::vector<int> radios;  // clicked after showing
    std::uint8_t count;
    std::string_view label;
    std::vector<FieldRow> rows;  // rows 1..3: {offset, length and key}
  };
  const std::vector<Case> cases = {
      {0, {}, 2, "   长度", {{true, true}, {true, true}, {false, false}}},
      {44, {}, 2, "Max Length", {{false, true}, {false, true}, {false, false}}},
      {0, {IDC_LOOKUP_SEPARATED}, 3, "最大长度", {{false, true}, {false, true}, {false, true}}},
      {44, {IDC_LOOKUP_FIXED}, 1, "   长度", {{true, true}, {false, false}, {false, false}}},
      // The separator radio takes the number in the box back.
      {44, {IDC_LOOKUP_FIXED, IDC_LOOKUP_SEPARATED}, 1, "最大长度", {{false, true}, {false, false}, {false, false}}},
      {0, {}, 12, "   长度", {{true, true}, {true, true}, {true, true}}},  // a damaged count reads as 8
  };
  for (const Case& c : cases) {
    Template t = test::defaultTemplate();
    t.extension().setSeparator(0, c.separator);
    LookupPageModel page(t);
    for (int radio : c.radios) radio == IDC_LOOKUP_FIXED ? page.chooseFixed() : page.chooseSeparator();
    page.selectFieldCount(c.count);
    const std::string name =
        std::to_string(c.separator) + " " + std::to_string(c.radios.size()) + " " + std::to_string(c.count);
    EXPECT_EQ(page.lengthLabel(), c.label) << name;
    EXPECT_EQ(page.extension().separator(0), page.separatorShown() ? c.separator : 0) << name;
    for (std::size_t k = 0; k < c.rows.size(); ++k) {
      EXPECT_EQ(page.row(k).offset, c.rows[k].offset) << name << " row " << k + 1;
      EXPECT_EQ(page.row(k).length, c.rows[k].length) << name << " row " << k + 1;
    }
  }
}

}  // namespace
}  // namespace k60::editor
