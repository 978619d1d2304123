// The form page and its line property dialogs through the real Edit command and their real
// controls, checked on the template's bytes and on the simulated terminal afterwards.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/editor_ids.h"
#include "simulator/simulator.h"
#include "simulator/win32/face_window.h"
#include "template/form_record.h"
#include "template/lookup_record.h"
#include "tests/win32/sheet_driver.h"
#include "tests/win32/shell_fixture.h"

namespace k60::shell::testsupport {
namespace {

constexpr int kFormPage = 0;

bool enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

class FormPageTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    form().setDataType(0, DataType::Text);
    form().setPrompt(0, "QTY");
  }
  FormRecord form() { return app.tmpl.form(0); }
  sim::Simulator& simulator() { return *sim::faceSimulator(app.faceWindow); }
};

TEST_F(FormPageTest, ContinuationDisablesItsLineKeepsThePromptShownAndApplyEmptiesIt) {
  const int ids[] = {IDC_FORM_LINE_PROMPT, IDC_FORM_LINE_SOURCE, IDC_FORM_LINE_MIN, IDC_FORM_LINE_MAX,
                     IDC_FORM_LINE_BINDING, IDC_FORM_LINE_MORE};
  std::vector<bool> states;  // line 1's controls as a text line, as a continuation, then line 5's
  std::wstring promptShown;
  runEdit(main, {onSheetPage(kFormPage,
                             [&](HWND page) {
                               for (int id : ids) states.push_back(enabled(page, id));
                               selectInList(page, IDC_FORM_LINE_TYPE, 8);
                               for (int id : ids) states.push_back(enabled(page, id));
                               for (int id : ids) states.push_back(enabled(page, id + 4));
                               states.push_back(enabled(page, IDC_FORM_LINE_TYPE + 4));
                               states.push_back(enabled(page, IDC_FORM_FONT));
                               promptShown = itemText(page, IDC_FORM_LINE_PROMPT);
                             }),
                 answerPropertySheet(IDOK)});
  std::vector<bool> expected(6, true);
  expected.resize(6 + 6 + 7 + 1, false);  // the large font leaves lines 5 to 8 off; the font list is always off
  EXPECT_EQ(states, expected);
  EXPECT_EQ(promptShown, L"QTY");
  EXPECT_EQ(form().dataTypeByte(0), 8);
  EXPECT_EQ(form().prompt(0), "");
}

TEST_F(FormPageTest, ALargeFontPromptIsCutAndTheTerminalRunsTheEditedForm) {
  app.tmpl.lookup(0).setByte(LookupRecord::kMemberLength, 12);
  app.tmpl.lookup(0).setByte(LookupRecord::kFieldCount, 2);
  simulator().keyPress(9);  // the key labelled 3: the Utility page
  std::wstring shown;
  auto type16 = [&](HWND page) { shown = typeInto(page, IDC_FORM_LINE_PROMPT, L"1234567890ABCDEF"); };
  runEdit(main, {onSheetPage(kFormPage, type16), answerPropertySheet(IDOK)});
  EXPECT_EQ(shown, L"1234567890ABCDE");
  ASSERT_EQ(simulator().state(), sim::SimulatorState::MainPage);

  simulator().keyPress(9);
  EXPECT_FALSE(simulator().screen().line(7).empty()) << "lookup 1 gives the Utility page its eighth line";
  simulator().reset();
  simulator().keyPress(7);  // the key labelled 1 starts the application: form 1
  ASSERT_EQ(simulator().state(), sim::SimulatorState::Form);
  EXPECT_EQ(simulator().screen().line(0).substr(0, 15), "1234567890ABCDE");
}

// Form 1: line 1's advance dialog cancelled, line 2's confirmed; then form 2's line 2 made a
// lookup line, whose "更多..." opens the lookup dialog.
TEST_F(FormPageTest, PropertyDialogsCancelRestoresAndOkKeepsWhatWasTypedAsCorrected) {
  form().setDataType(1, DataType::Text);
  form().setPartialMaxLength(0, 0);
  std::wstring opened, badFixed, clamped;
  std::vector<bool> on;  // the partial length on opening; the lookup's fixed length before and after
  auto cancelled = [&](HWND dialog) {
    opened = itemText(dialog, IDC_FIELD_PARTIAL_START) + L"/" + itemText(dialog, IDC_FIELD_PARTIAL_LENGTH);
    on.push_back(enabled(dialog, IDC_FIELD_PARTIAL_LENGTH));
    click(dialog, IDC_FIELD_PARTIAL_ON);
    typeInto(dialog, IDC_FIELD_PARTIAL_LENGTH, L"20");
  };
  auto advance = [&](HWND dialog) {
    click(dialog, IDC_FIELD_FIXED_ON);
    badFixed = typeInto(dialog, IDC_FIELD_FIXED_LENGTH, L"x");
    clamped = typeInto(dialog, IDC_FIELD_PARTIAL_LENGTH, L"300");
  };
  auto toLookupLine = [](HWND page) {
    selectInList(page, IDC_FORM_NAME, 1);
    selectInList(page, IDC_FORM_LINE_TYPE + 1, 7);
  };
  auto lookup = [&](HWND dialog) {
    on.push_back(enabled(dialog, IDC_LOOKUP_FIELD_FIXED_ON));
    click(dialog, IDC_LOOKUP_FIELD_SAVE_ON);
    on.push_back(enabled(dialog, IDC_LOOKUP_FIELD_FIXED_ON));
    click(dialog, IDC_LOOKUP_FIELD_PREFIX_ON);
    typeInto(dialog, IDC_LOOKUP_FIELD_PREFIX, L"ABCDEFGHIJ");
  };
  runEdit(main, {onSheetPage(kFormPage, {}, IDC_FORM_LINE_MORE), onDialog(L"属性", cancelled, IDCANCEL),
                 onSheetPage(kFormPage, {}, IDC_FORM_LINE_MORE + 1), onDialog(L"属性", advance, IDOK),
                 onSheetPage(kFormPage, toLookupLine, IDC_FORM_LINE_MORE + 1),
                 onDialog(L"属性", lookup, IDOK), answerPropertySheet(IDOK)});
  EXPECT_EQ(opened, L"1/50");
  EXPECT_EQ(on, (std::vector<bool>{false, false, true}));
  EXPECT_EQ(form().partialMaxLength(0), 0);
  EXPECT_FALSE(form().partialOn(0));

  EXPECT_EQ(badFixed, L"1");
  EXPECT_EQ(clamped, L"255");
  EXPECT_TRUE(form().fixedLengthOn(1));
  EXPECT_EQ(form().fixedLength(1), 1);
  EXPECT_EQ(form().partialMaxLength(1), 50) << "300 is held at 255, which OK corrects to 50";

  const FormRecord two = app.tmpl.form(1);
  EXPECT_EQ(two.dataTypeByte(1), 7);
  EXPECT_TRUE(two.initialOn(1) && two.prefixOn(1));
  EXPECT_EQ(two.prefix(1), "ABCDEFGHI");
}

}  // namespace
}  // namespace k60::shell::testsupport
