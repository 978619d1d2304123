// The form page's model and its line property dialogs' model: the line and font rules, the boxes'
// rules, the apply order and the property backup. The real controls are the Windows tests'.
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
  Template t = test::defaultTemplate();
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
    EXPECT_EQ(lineState(false, 7, c.type), c.small) << "small font, line 8, type " << int(c.type);
    EXPECT_EQ(lineState(true, 3, c.type), c.small) << "large font, line 4, type " << int(c.type);
    EXPECT_EQ(lineState(true, 4, c.type), LineState{}) << "large font, line 5, type " << int(c.type);
  }
}

// The cut is the shared text box's; here its width follows the font (large: 15, Windows tests).
TEST_F(FormModelTest, APromptIsCutToTheSmallFontsWidth) {
  t.form(0).setFont(0);
  FormPageModel page(t);
  EXPECT_EQ(page.promptChanged(2, "123456789012345678901").show, "12345678901234567890");
  EXPECT_EQ(page.promptChanged(2, gb("数量") + "1234567890123456").show, std::nullopt);
}

// The boxes' rule is the shared number box's (0..50); here each box reaches its line's byte.
TEST_F(FormModelTest, LengthBoxesStoreTheirLinesMinimumAndMaximum) {
  FormPageModel page(t);
  page.lengthChanged(IDC_FORM_LINE_MIN + 2, "12");
  page.lengthChanged(IDC_FORM_LINE_MAX + 2, "5");
  EXPECT_EQ(page.lengthChanged(IDC_FORM_LINE_MAX + 2, "51").show, "5") << "above 50";
  page.lengthChanged(IDC_FORM_LINE_MAX, "9");
  EXPECT_EQ(page.lengthChanged(IDC_FORM_LINE_MIN + 7, "q").show, "0") << "a letter is replaced by 0";
  EXPECT_EQ(page.form().minLength(2), 12);
  EXPECT_EQ(page.form().maxLength(2), 5);
  EXPECT_EQ(page.form().maxLength(0), 9);
}

// OK copies the page's edits back, marks the change, normalises, gives lookup 1's Utility line
// count, then fixes continuations: a maximum of 60 is bounded to 50 before lines 2 to 4 follow it.
TEST_F(FormModelTest, ApplyNormalisesBeforeTheLineCountAndFixesContinuationsAfterIt) {
  FormRecord f = t.form(0);
  f.setFont(0);
  f.setDataType(0, DataType::Text);
  f.setMaxLength(0, 60);
  for (std::size_t line : {1, 2, 3}) f.setDataType(line, DataType::Continuation);
  t.lookup(0).setByte(LookupRecord::kMemberLength, 10);
  t.lookup(0).setByte(LookupRecord::kFieldCount, 2);
  t.setChanged(false);
  FormPageModel page(t);
  page.promptChanged(0, "12345");
  int lines = 0;
  page.apply(t, [&](int n) {
    lines = n;
    EXPECT_TRUE(t.changed());
    EXPECT_EQ(t.form(0).maxLength(0), 50) << "normalised before";
    EXPECT_EQ(t.form(0).maxLength(1), 50) << "continuation not yet computed";
  });
  EXPECT_EQ(lines, 8);
  EXPECT_EQ(f.prompt(0), "12345");
  EXPECT_EQ((std::vector<int>{f.maxLength(1), f.maxLength(2), f.maxLength(3)}), (std::vector<int>{40, 25, 10}));
}

// ---- Line property dialogs ----

// The partial start (0: 1) and maximum length (0 or above 50: 50) are corrected on opening and on
// OK; a byte box holds at most 255, not the number's low 8 bits (300 as 44 would pass the correction).
TEST_F(FormModelTest, ThePartialBarcodeIsCorrectedOnOpeningAndOnOk) {
  struct Case {
    std::uint8_t start, length;
    std::string shownStart, shownLength;
    const char *typedStart, *typedLength;
    std::uint8_t storedStart, storedLength;
  };
  const std::vector<Case> cases = {
      {0, 0, "1", "50", "0", "0", 1, 50},   {5, 20, "5", "20", "7", "12", 7, 12},
      {0, 51, "1", "50", "", "300", 1, 50}, {3, 50, "3", "50", "300", "51", 255, 50},
      {1, 255, "1", "50", "x", "x", 1, 50},
  };
  for (const Case& c : cases) {
    FormRecord form = t.form(0);
    form.setPartialStart(4, c.start);
    form.setPartialMaxLength(4, c.length);
    FieldProperties dialog(form, 4, kAdvanceLayout);
    EXPECT_EQ(dialog.text(IDC_FIELD_PARTIAL_START), c.shownStart);
    EXPECT_EQ(dialog.text(IDC_FIELD_PARTIAL_LENGTH), c.shownLength);
    dialog.numberChanged(IDC_FIELD_PARTIAL_START, c.typedStart);
    dialog.numberChanged(IDC_FIELD_PARTIAL_LENGTH, c.typedLength);
    dialog.ok();
    EXPECT_EQ(form.partialStart(4), c.storedStart) << c.typedStart;
    EXPECT_EQ(form.partialMaxLength(4), c.storedLength) << c.typedLength;
  }
}

// Cancel restores the whole form as it was before the opening's corrections; the lookup
// dialog's OK corrects nothing.
TEST_F(FormModelTest, CancelRestoresTheFormAndTheLookupDialogsOkCorrectsNothing) {
  const auto before = storeOf(t);
  FieldProperties dialog(t.form(0), 4, kAdvanceLayout);
  dialog.toggle(IDC_FIELD_PREFIX_ON);
  dialog.textChanged(IDC_FIELD_PREFIX, "13 10");
  dialog.cancel();
  EXPECT_EQ(storeOf(t), before);

  FieldProperties lookup(t.form(1), 0, kLookupAdvanceLayout);
  t.form(1).setPartialMaxLength(0, 0);
  lookup.ok();
  EXPECT_EQ(t.form(1).partialMaxLength(0), 0);
}

// The 9- and 6-byte cuts, on line 8, whose last slot ends where the auto wrap bytes begin.
TEST_F(FormModelTest, TextBoxesAreCutToTheirSlots) {
  struct Case {
    int id;
    std::string typed, stored;
  };
  const std::vector<Case> cases = {
      {IDC_FIELD_INITIAL_VALUE, "1234567890", "123456789"},
      {IDC_FIELD_PREFIX, "12345678" + gb("中"), "12345678"},
      {IDC_FIELD_CHECK_PREFIX, "UVWXYZ!", "UVWXYZ"},
  };
  for (const Case& c : cases) {
    FieldProperties dialog(t.form(0), 7, kAdvanceLayout);
    EXPECT_EQ(dialog.textChanged(c.id, c.typed).show, c.stored) << c.typed;
    EXPECT_EQ(dialog.text(c.id), c.stored) << c.typed;
    EXPECT_EQ(t.form(0).autoWrap(0), 1) << c.typed;
  }
}

// A damaged byte reads as checked; a click clears it and disables what the box owns.
TEST_F(FormModelTest, ACheckBoxFlipsItsByteAndEnablesWhatItOwns) {
  FormRecord form = t.form(0);
  form.setByte(FormRecord::kFixedLengthOn + 2, 7);
  FieldProperties dialog(form, 2, kAdvanceLayout);
  EXPECT_TRUE(dialog.checked(IDC_FIELD_FIXED_ON) && dialog.enabled(IDC_FIELD_ALIGNMENT));
  EXPECT_FALSE(dialog.toggle(IDC_FIELD_FIXED_ON));
  EXPECT_EQ(form.byte(FormRecord::kFixedLengthOn + 2), 0);
  EXPECT_FALSE(dialog.enabled(IDC_FIELD_ALIGNMENT));
  EXPECT_TRUE(dialog.enabled(IDC_FIELD_AUTO_WRAP)) << "owned by no check box";
}

}  // namespace
}  // namespace k60::editor
