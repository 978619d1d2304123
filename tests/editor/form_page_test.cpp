// The form page's model and its line property dialogs' model: the line and font rules, the
// boxes' rules, the apply order and the property backup. The real controls are driven in the
// Windows tests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/field_properties.h"
#include "editor/form_page.h"
#include "resources/editor_ids.h"
#include "template/lookup_record.h"
#include "tests/support/test_support.h"

namespace k60::editor {
namespace {

using k60::test::gb;
using k60::test::storeOf;

class FormModelTest : public ::testing::Test {
 protected:
  void SetUp() override { resetToDefaults(t); }
  Template t;
};

TEST(FormLineRules, EachDataTypeEnablesItsControls) {
  struct Case {
    std::uint8_t type;
    LineState small;  // type, prompt, source, lengths, binding, more
  };
  const std::vector<Case> cases = {
      {0, {true, false, false, false, false, false}}, {1, {true, true, true, true, true, true}},
      {2, {true, true, true, true, true, true}},      {3, {true, true, true, true, true, true}},
      {4, {true, true, true, true, true, true}},      {5, {true, true, false, false, false, true}},
      {6, {true, true, false, false, false, false}},  {7, {true, true, false, false, true, true}},
      {8, {true, false, false, false, false, false}}, {9, {true, true, true, false, true, true}},
      {10, {true, true, false, false, false, false}}, {200, {true, true, false, false, false, false}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(lineState(false, 0, c.type), c.small) << int(c.type);
    EXPECT_EQ(lineState(false, 7, c.type), c.small) << "small font, line 8, type " << int(c.type);
    EXPECT_EQ(lineState(true, 3, c.type), c.small) << "large font, line 4, type " << int(c.type);
    EXPECT_EQ(lineState(true, 4, c.type), LineState{}) << "large font, line 5, type " << int(c.type);
  }
}

TEST_F(FormModelTest, APromptIsCutToTheFontsWidthWithoutSplittingACharacter) {
  struct Case {
    std::uint8_t font;
    std::string typed;
    std::string stored;
    bool shown;  // the box is given the cut text
  };
  const std::vector<Case> cases = {
      {1, "123456789012345", "123456789012345", false},
      {1, "1234567890123456", "123456789012345", true},
      {1, "12345678901234" + gb("中"), "12345678901234", true},
      {0, "1234567890123456", "1234567890123456", false},
      {0, "123456789012345678901", "12345678901234567890", true},
      {0, gb("数量") + "x", gb("数量") + "x", false},
  };
  for (const Case& c : cases) {
    t.form(0).setFont(c.font);
    FormPageModel page(t);
    const TextAnswer answer = page.promptChanged(2, c.typed);
    EXPECT_EQ(page.form().prompt(2), c.stored) << c.typed;
    EXPECT_EQ(answer.show.has_value(), c.shown) << c.typed;
    if (answer.show) {
      EXPECT_EQ(*answer.show, c.stored);
    }
  }
}

TEST_F(FormModelTest, LengthBoxesStoreZeroToFiftyAndKeepTheValueAboveIt) {
  struct Case {
    int id;
    std::vector<std::string> typed;
    std::uint8_t min, max;  // line 3 after the typing
  };
  const std::vector<Case> cases = {
      {IDC_FORM_LINE_MAX + 2, {"5", "51"}, 0, 5},
      {IDC_FORM_LINE_MAX + 2, {"50"}, 0, 50},
      {IDC_FORM_LINE_MIN + 2, {"12"}, 12, 50},
      {IDC_FORM_LINE_MIN + 2, {"1", "1a"}, 0, 50},
      {IDC_FORM_LINE_MIN + 2, {""}, 0, 50},
  };
  for (const Case& c : cases) {
    FormPageModel page(t);
    for (const std::string& text : c.typed) page.lengthChanged(c.id, text);
    EXPECT_EQ(page.form().minLength(2), c.min) << c.id << " " << c.typed.back();
    EXPECT_EQ(page.form().maxLength(2), c.max) << c.id << " " << c.typed.back();
  }
  FormPageModel page(t);
  EXPECT_EQ(page.lengthChanged(IDC_FORM_LINE_MIN, "q").show, "0") << "a letter is replaced by 0";
}

// The apply runs copy, changed flag, normalisation, line count, continuation fix-up: when
// the line count is given, the forms are normalised but the continuations not yet computed.
TEST_F(FormModelTest, ApplyNormalisesBeforeTheLineCountAndFixesContinuationsAfterIt) {
  struct Case {
    std::uint8_t baseMax;
    std::string prompt;
    std::vector<std::uint8_t> continued;  // max lengths of lines 2.. after apply
  };
  const std::vector<Case> cases = {
      {30, "1234567890", {25, 10}},
      {10, "12345", {0}},
      {10, "1", {252, 237}},  // one-byte arithmetic wraps
      {60, "12345", {40, 25, 10}},  // 60 is first bounded to 50
  };
  for (const Case& c : cases) {
    resetToDefaults(t);
    t.form(0).setFont(0);
    t.form(0).setDataType(0, DataType::Text);
    t.form(0).setMaxLength(0, c.baseMax);
    t.form(0).setPrompt(0, c.prompt);
    for (std::size_t i = 0; i < c.continued.size(); ++i) t.form(0).setDataType(i + 1, DataType::Continuation);
    t.setChanged(false);
    FormPageModel page(t);
    int lines = 0;
    page.apply(t, [&](int n) {
      lines = n;
      EXPECT_TRUE(t.changed());
      EXPECT_LE(t.form(0).maxLength(0), 50) << "normalised before";
      EXPECT_EQ(t.form(0).maxLength(1), 50) << "continuation not yet computed";
    });
    EXPECT_EQ(lines, 7);
    for (std::size_t i = 0; i < c.continued.size(); ++i)
      EXPECT_EQ(t.form(0).maxLength(i + 1), c.continued[i]) << int(c.baseMax) << " line " << i + 2;
  }
}

TEST_F(FormModelTest, TheUtilityLineCountComesFromLookupOne) {
  struct Case {
    std::uint8_t memberLength, fields;
    int lines;
  };
  for (const Case& c : std::vector<Case>{{0, 0, 7}, {10, 0, 7}, {0, 2, 7}, {10, 2, 8}}) {
    t.lookup(0).setByte(LookupRecord::kMemberLength, c.memberLength);
    t.lookup(0).setByte(LookupRecord::kFieldCount, c.fields);
    int lines = 0;
    FormPageModel(t).apply(t, [&](int n) { lines = n; });
    EXPECT_EQ(lines, c.lines) << int(c.memberLength) << "/" << int(c.fields);
  }
}

// ---- Line property dialogs ----

TEST(FieldByteBox, NumbersAreHeldWithinAByte) {
  struct Case {
    const char* text;
    const char* bad;
    std::optional<std::uint8_t> store;
    std::optional<std::string> show;
  };
  const std::vector<Case> cases = {
      {"44", "1", 44, {}},          {"255", "1", 255, {}},         {"256", "1", 255, "255"},
      {"300", "0", 255, "255"},     {"99999999999", "0", 255, "255"}, {"", "1", 0, {}},
      {"x", "1", 0, "1"},           {"4-", "0", 0, "0"},
  };
  for (const Case& c : cases) {
    const NumberAnswer answer = byteBoxChanged(c.text, c.bad);
    EXPECT_EQ(answer.store, c.store) << c.text;
    EXPECT_EQ(answer.show, c.show) << c.text;
  }
}

TEST_F(FormModelTest, OpeningCorrectsThePartialBarcodeAndCancelRestoresIt) {
  struct Case {
    std::uint8_t start, length;
    std::string shownStart, shownLength;
  };
  const std::vector<Case> cases = {
      {0, 0, "1", "50"}, {5, 20, "5", "20"}, {0, 51, "1", "50"}, {3, 50, "3", "50"}, {1, 255, "1", "50"},
  };
  for (const Case& c : cases) {
    FormPageModel page(t);
    FormRecord form = page.form();
    form.setPartialStart(4, c.start);
    form.setPartialMaxLength(4, c.length);
    const std::vector<std::uint8_t> before(form.bytes().begin(), form.bytes().end());
    FieldProperties dialog(form, 4, kAdvanceLayout);
    EXPECT_EQ(dialog.text(IDC_FIELD_PARTIAL_START), c.shownStart);
    EXPECT_EQ(dialog.text(IDC_FIELD_PARTIAL_LENGTH), c.shownLength);
    dialog.toggle(IDC_FIELD_PREFIX_ON);
    dialog.textChanged(IDC_FIELD_PREFIX, "13 10");
    dialog.cancel();
    EXPECT_EQ(std::vector<std::uint8_t>(form.bytes().begin(), form.bytes().end()), before) << int(c.length);
  }
}

TEST_F(FormModelTest, OkCorrectsWhatWasTypedAndTheClampKeepsALargeLengthLarge) {
  struct Case {
    const char* start;
    const char* length;
    std::uint8_t storedStart, storedLength;
  };
  const std::vector<Case> cases = {
      {"0", "0", 1, 50}, {"7", "12", 7, 12}, {"", "300", 1, 50}, {"300", "51", 255, 50}, {"x", "x", 1, 50},
  };
  for (const Case& c : cases) {
    FormPageModel page(t);
    FieldProperties dialog(page.form(), 0, kAdvanceLayout);
    dialog.numberChanged(IDC_FIELD_PARTIAL_START, c.start);
    dialog.numberChanged(IDC_FIELD_PARTIAL_LENGTH, c.length);
    dialog.ok();
    EXPECT_EQ(page.form().partialStart(0), c.storedStart) << c.start;
    EXPECT_EQ(page.form().partialMaxLength(0), c.storedLength) << c.length;
  }
}

TEST_F(FormModelTest, TextBoxesAreCutToTheirSlots) {
  struct Case {
    int id;
    std::string typed, stored;
  };
  const std::vector<Case> cases = {
      {IDC_FIELD_INITIAL_VALUE, "1234567890", "123456789"},
      {IDC_FIELD_PREFIX, "12345678" + gb("中"), "12345678"},
      {IDC_FIELD_SUFFIX, "13 10", "13 10"},
      {IDC_FIELD_CHECK_PREFIX, "ABCDEFG", "ABCDEF"},
  };
  for (const Case& c : cases) {
    FormPageModel page(t);
    FieldProperties dialog(page.form(), 1, kAdvanceLayout);
    dialog.textChanged(c.id, c.typed);
    EXPECT_EQ(dialog.text(c.id), c.stored) << c.typed;
  }
  FormPageModel page(t);
  FieldProperties(page.form(), 1, kAdvanceLayout).textChanged(IDC_FIELD_CHECK_PREFIX, "ABCDEF");
  EXPECT_EQ(page.form().checkPrefix(2), "") << "six bytes fill the slot and leave line 3's alone";
  FieldProperties(page.form(), 7, kAdvanceLayout).textChanged(IDC_FIELD_CHECK_PREFIX, "UVWXYZ");
  EXPECT_EQ(page.form().checkPrefix(7), "UVWXYZ");
  EXPECT_EQ(page.form().autoWrap(0), 1) << "line 8's slot ends where the auto wrap bytes begin";
}

TEST_F(FormModelTest, CheckBoxesFlipTheirBytesAndEnableWhatTheyOwn) {
  struct Case {
    const PropertyLayout* layout;
    int check;
    std::size_t offset;
    int owned;
  };
  const std::vector<Case> cases = {
      {&kAdvanceLayout, IDC_FIELD_FIXED_ON, FormRecord::kFixedLengthOn, IDC_FIELD_ALIGNMENT},
      {&kAdvanceLayout, IDC_FIELD_PARTIAL_ON, FormRecord::kPartialOn, IDC_FIELD_PARTIAL_LENGTH},
      {&kAdvanceLayout, IDC_FIELD_CHECK_PREFIX_ON, FormRecord::kCheckPrefixOn, IDC_FIELD_CHECK_PREFIX},
      {&kLookupAdvanceLayout, IDC_LOOKUP_FIELD_SAVE_ON, FormRecord::kInitialOn, IDC_LOOKUP_FIELD_SUFFIX_ON},
      {&kLookupAdvanceLayout, IDC_LOOKUP_FIELD_FIXED_ON, FormRecord::kFixedLengthOn, IDC_FIELD_FIXED_LENGTH},
  };
  for (const Case& c : cases) {
    FormPageModel page(t);
    page.form().setByte(c.offset + 2, 7);  // a damaged byte reads as checked
    FieldProperties dialog(page.form(), 2, *c.layout);
    EXPECT_TRUE(dialog.checked(c.check));
    EXPECT_TRUE(dialog.enabled(c.owned));
    EXPECT_FALSE(dialog.toggle(c.check));
    EXPECT_EQ(page.form().byte(c.offset + 2), 0);
    EXPECT_FALSE(dialog.enabled(c.owned)) << c.check;
    EXPECT_TRUE(dialog.toggle(c.check));
    EXPECT_EQ(page.form().byte(c.offset + 2), 1);
  }
  FormPageModel page(t);
  EXPECT_TRUE(FieldProperties(page.form(), 0, kAdvanceLayout).enabled(IDC_FIELD_AUTO_WRAP)) << "always enabled";
}

TEST_F(FormModelTest, TheLookupDialogsOkKeepsWhatWasTyped) {
  FormPageModel page(t);
  FieldProperties dialog(page.form(), 0, kLookupAdvanceLayout);
  dialog.numberChanged(IDC_FIELD_FIXED_LENGTH, "400");
  dialog.textChanged(IDC_LOOKUP_FIELD_SUFFIX, "ABCDEFGHIJ");
  dialog.select(IDC_FIELD_ALIGNMENT, 3);
  page.form().setPartialMaxLength(0, 0);
  dialog.ok();
  EXPECT_EQ(page.form().fixedLength(0), 255);
  EXPECT_EQ(page.form().suffix(0), "ABCDEFGHI");
  EXPECT_EQ(page.form().alignment(0), 3);
  EXPECT_EQ(page.form().partialMaxLength(0), 0) << "no correction at OK";
}

}  // namespace
}  // namespace k60::editor
