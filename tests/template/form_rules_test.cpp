// Form record rules: post-edit normalisation, continuation fix-up, input line count, and
// the text slot limits of a form line.
#include <vector>

#include "template/form_record.h"
#include "tests/support/test_support.h"

namespace k60 {
namespace {

using test::gb;

class FormRules : public ::testing::Test {
 protected:
  void setTypes(const std::vector<int>& types) {
    for (std::size_t line = 0; line < types.size(); ++line) form.setDataType(line, static_cast<DataType>(types[line]));
  }
  // Small font, so that all eight lines are in use.
  Template t = [] {
    Template fresh = test::defaultTemplate();
    fresh.form(4).setFont(0);
    return fresh;
  }();
  FormRecord form = t.form(4);
};

TEST_F(FormRules, NormaliseWithLargeFontEmptiesLinesFiveToEight) {
  form.setFont(1);
  for (std::size_t line = 0; line < 8; ++line) {
    form.setDataType(line, DataType::Text);
    form.setPrompt(line, "Item");
    form.setLookupBinding(line, 3);
  }
  normaliseForm(form);
  for (std::size_t line = 0; line < 8; ++line) {
    const bool kept = line < 4;
    EXPECT_EQ(form.dataType(line), kept ? DataType::Text : DataType::Empty) << line;
    EXPECT_EQ(form.prompt(line), kept ? "Item" : "") << line;
    EXPECT_EQ(form.lookupBinding(line), kept ? 3 : 0) << line;
  }
}

TEST_F(FormRules, NormaliseClampsLengthsAndClearsByDataType) {
  const int lengths[][4] = {{0, 60, 0, 50}, {30, 20, 20, 20}, {55, 60, 50, 50}, {10, 50, 10, 50}};  // min, max -> min, max
  for (std::size_t line = 0; line < 4; ++line) {
    form.setMinLength(line, lengths[line][0]);
    form.setMaxLength(line, lengths[line][1]);
  }
  setTypes({0, 8, 5, 6, 10, 1, 7, 9});
  for (std::size_t line = 0; line < 8; ++line) {
    form.setPrompt(line, "Line");
    form.setLookupBinding(line, 5);
  }
  normaliseForm(form);
  const char* prompts[] = {"", "", "Line", "Line", "Line", "Line", "Line", "Line"};
  const int bindings[] = {0, 0, 0, 0, 0, 5, 5, 5};
  for (std::size_t line = 0; line < 8; ++line) {
    if (line < 4) {
      EXPECT_EQ(form.minLength(line), lengths[line][2]) << "line " << line + 1;
      EXPECT_EQ(form.maxLength(line), lengths[line][3]) << "line " << line + 1;
    }
    EXPECT_EQ(form.prompt(line), prompts[line]) << "line " << line + 1;
    EXPECT_EQ(form.lookupBinding(line), bindings[line]) << "line " << line + 1;
  }
  EXPECT_EQ(form.promptSlot(0)[1], 'i') << "only the prompt's first byte is cleared";
}

TEST_F(FormRules, ContinuationLengthsFollowTheBaseLineInOneByte) {
  struct Case {
    int baseMax;
    std::string prompt;
    std::vector<int> types, expected;
  };
  const std::vector<Case> cases = {
      {10, "ABCDE", {1, 8}, {10, 0}},
      {30, "ABCDEFGHIJ", {2, 8, 8}, {30, 25, 10}},
      {30, "ABCDEFGHIJ", {3, 8, 8, 8}, {30, 25, 10, 251}},
      {10, "", {4, 8, 8}, {10, 251, 236}},
      {255, "ABCDEFGHIJKLMNOPQRST", {1, 8}, {255, 4}},
      {20, gb("数量"), {1, 8}, {20, 9}},             // the prompt counts in bytes
      {50, "AB", {7, 8, 9, 8, 1, 8}, {50, 50, 50, 50, 50, 50}},  // no input base line in lines 1-4
      {40, "ABCDEFGHIJ", {0, 0, 0, 1, 8, 8, 8}, {50, 50, 50, 40, 35, 20, 5}},
  };
  for (const Case& c : cases) {
    Template fresh = test::defaultTemplate();
    FormRecord f = fresh.form(0);
    f.setFont(0);
    for (std::size_t line = 0; line < c.types.size(); ++line) f.setDataType(line, static_cast<DataType>(c.types[line]));
    const std::size_t base = std::find_if(c.types.begin(), c.types.end(), [](int x) { return x != 0; }) - c.types.begin();
    f.setMaxLength(base, static_cast<std::uint8_t>(c.baseMax));
    f.setPrompt(base, c.prompt);
    fixContinuations(f);
    for (std::size_t line = 0; line < c.expected.size(); ++line)
      EXPECT_EQ(f.maxLength(line), c.expected[line]) << "line " << line + 1 << ", case " << &c - cases.data();
    EXPECT_EQ(f.maxLength(c.expected.size()), 50) << "case " << &c - cases.data();
  }
}

TEST_F(FormRules, ContinuationCountsAFullPromptSlotAsTwentyCharacters) {
  setTypes({1, 8});
  std::fill(form.promptSlot(0).begin(), form.promptSlot(0).end(), 'x');  // 21 bytes, no terminator
  form.setMaxLength(0, 20);
  fixContinuations(form);
  EXPECT_EQ(form.maxLength(1), 25);
}

TEST_F(FormRules, ContinuationLinesOneToFourLoseBindingAndFlags) {
  setTypes({8, 1, 8, 0, 0, 8, 0, 0});
  for (std::size_t line = 0; line < 8; ++line) {
    form.setLookupBinding(line, 4);
    form.setInitialOn(line, true);
    form.setPrefixOn(line, true);
    form.setSuffixOn(line, true);
  }
  fixContinuations(form);
  for (std::size_t line : {0, 1, 2, 5}) {
    const bool cleared = line == 0 || line == 2;
    EXPECT_EQ(form.lookupBinding(line), cleared ? 0 : 4) << "line " << line + 1;
    EXPECT_EQ(form.initialOn(line), !cleared) << "line " << line + 1;
    EXPECT_EQ(form.prefixOn(line), !cleared) << "line " << line + 1;
    EXPECT_EQ(form.suffixOn(line), !cleared) << "line " << line + 1;
  }
}

TEST_F(FormRules, InputLineCountDependsOnWhoPreparesTheForm) {
  const std::tuple<std::vector<int>, int, int> cases[] = {
      // data types, download count, simulator count
      {{0, 0, 0, 0, 0, 0, 0, 0}, 0, 0},
      {{1, 0, 9, 0, 10, 0, 0, 0}, 5, 1},
      {{0, 9, 0, 9, 0, 0, 0, 0}, 4, 0},  // only boolean lines
      {{2, 3, 0, 0, 0, 0, 5, 6}, 2, 2},
      {{5, 6, 7, 8, 0, 0, 0, 4}, 8, 8},
  };
  for (const auto& [types, download, simulator] : cases) {
    setTypes(types);
    EXPECT_EQ(countInputLines(form, InputRule::Download), download) << ::testing::PrintToString(types);
    EXPECT_EQ(countInputLines(form, InputRule::Simulator), simulator) << ::testing::PrintToString(types);
  }
}

TEST_F(FormRules, PrepareClearsUnusedLinesAndStoresTheCount) {
  setTypes({5, 6, 10, 0, 8, 9, 1, 0});
  for (std::size_t line = 0; line < 8; ++line) {
    form.setPrompt(line, "P");
    form.setLookupBinding(line, 2);
  }
  Template simulated = t;
  FormRecord sim = simulated.form(4);
  prepareForm(form, InputRule::Download);
  prepareForm(sim, InputRule::Simulator);

  EXPECT_EQ(form.inputLineCount(), 7);
  EXPECT_EQ(sim.inputLineCount(), 7);
  const int downloadBindings[] = {0, 0, 0, 0, 0, 2, 2, 0};
  const int simulatorBindings[] = {2, 2, 2, 0, 0, 2, 2, 0};
  for (std::size_t line = 0; line < 8; ++line) {
    const bool unused = line == 3 || line == 4 || line == 7;
    EXPECT_EQ(form.lookupBinding(line), downloadBindings[line]) << "line " << line + 1;
    EXPECT_EQ(sim.lookupBinding(line), simulatorBindings[line]) << "line " << line + 1;
    EXPECT_EQ(form.prompt(line), unused ? "" : "P") << "line " << line + 1;
    EXPECT_EQ(sim.prompt(line), unused ? "" : "P") << "line " << line + 1;
  }
}

TEST_F(FormRules, TextSlotsKeepTheirLimits) {
  EXPECT_EQ(form.setPrompt(0, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"), 20u);
  form.setFont(1);
  EXPECT_EQ(form.setPrompt(0, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"), 15u);
  EXPECT_EQ(form.setPrompt(1, gb("一二三四五六七八")), 14u) << "the 8th character would end at byte 16";
  EXPECT_EQ(form.setInitialValue(0, "1234567890"), 9u);

  form.setCheckPrefix(2, "XY");
  EXPECT_EQ(form.setCheckPrefix(1, "ABCDEF"), 6u);
  EXPECT_EQ(form.checkPrefix(1), "ABCDEF");
  EXPECT_EQ(form.checkPrefix(2), "XY");
  EXPECT_EQ(form.setCheckPrefix(7, "UVWXYZ"), 6u);  // the last slot ends where line 1's auto wrap starts
  EXPECT_EQ(form.checkPrefix(7), "UVWXYZ");
  EXPECT_EQ(form.autoWrap(0), 1);
}

}  // namespace
}  // namespace k60

// A view that is const only reads: its setters and writable slots are not there.
template <class View>
concept Writable = requires(View v) {
  v.setByte(0, 0);
  v.bytes()[0] = 0;
};
template <class Form>
concept PromptWritable = requires(Form f) { f.promptSlot(0)[0] = 0; };
static_assert(Writable<k60::FormRecord> && !Writable<const k60::FormRecord>);
static_assert(PromptWritable<k60::FormRecord> && !PromptWritable<const k60::FormRecord>);
