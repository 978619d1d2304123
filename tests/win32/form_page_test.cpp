// The form page and its line property dialogs through the real Edit command and their real
// controls, checked on the template's bytes and on the simulated terminal afterwards.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/editor_ids.h"
#include "resources/resource_ids.h"
#include "simulator/simulator.h"
#include "simulator/win32/face_window.h"
#include "template/form_record.h"
#include "template/lookup_record.h"
#include "tests/win32/modal_driver.h"
#include "tests/win32/shell_fixture.h"

namespace k60::shell::testsupport {
namespace {

void choose(HWND dialog, int id, int position) {
  SendDlgItemMessageW(dialog, id, CB_SETCURSEL, position, 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Types `text` into box `id` and returns what the box shows then.
std::wstring type(HWND dialog, int id, const wchar_t* text) {
  SetDlgItemTextW(dialog, id, text);
  return windowText(GetDlgItem(dialog, id));
}

bool enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

HWND formPage(HWND sheet) {
  PropSheet_SetCurSel(sheet, nullptr, 0);
  return PropSheet_GetCurrentPageHwnd(sheet);
}

class FormPageTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    form().setDataType(0, DataType::Text);
    form().setPrompt(0, "QTY");
  }
  FormRecord form() { return app.tmpl.form(0); }
  sim::Simulator& simulator() { return *sim::faceSimulator(app.faceWindow); }
  void edit(const std::vector<ModalStep>& steps) {
    int unexpected = 0;
    EXPECT_EQ(runModalSteps(steps, [&] { SendMessageW(main, WM_COMMAND, IDM_EDIT, 0); }, &unexpected), steps.size());
    EXPECT_EQ(unexpected, 0);
  }
  // Opens line `line`'s property dialog from the form page, optionally after `before`.
  static ModalStep openProperties(int line, std::function<void(HWND)> before = {}) {
    return [=] {
      HWND sheet = findDialogTitled(L"应用程序模板");
      if (!sheet || !IsWindowEnabled(sheet)) return false;
      HWND page = formPage(sheet);
      if (before) before(page);
      pressButton(page, IDC_FORM_LINE_MORE + line - 1);
      return true;
    };
  }
  static ModalStep inProperties(int button, std::function<void(HWND)> act) {
    return [=] {
      HWND dialog = findDialogTitled(L"属性");
      if (!dialog) return false;
      act(dialog);
      pressButton(dialog, button);
      return true;
    };
  }
};

TEST_F(FormPageTest, ContinuationDisablesItsLineKeepsThePromptShownAndApplyEmptiesIt) {
  std::vector<bool> before, after, lineFive;
  bool fontEnabled = true;
  int forms = 0;
  std::wstring promptShown;
  const int ids[] = {IDC_FORM_LINE_PROMPT, IDC_FORM_LINE_SOURCE, IDC_FORM_LINE_MIN, IDC_FORM_LINE_MAX,
                     IDC_FORM_LINE_BINDING, IDC_FORM_LINE_MORE};
  edit({answerPropertySheet(IDOK, [&](HWND sheet) {
    HWND page = formPage(sheet);
    for (int id : ids) before.push_back(enabled(page, id));
    choose(page, IDC_FORM_LINE_TYPE, 8);
    for (int id : ids) after.push_back(enabled(page, id));
    for (int id : ids) lineFive.push_back(enabled(page, id + 4));
    lineFive.push_back(enabled(page, IDC_FORM_LINE_TYPE + 4));
    promptShown = windowText(GetDlgItem(page, IDC_FORM_LINE_PROMPT));
    fontEnabled = enabled(page, IDC_FORM_FONT);
    forms = static_cast<int>(SendDlgItemMessageW(page, IDC_FORM_NAME, CB_GETCOUNT, 0, 0));
  })});
  EXPECT_EQ(before, std::vector<bool>(6, true));
  EXPECT_EQ(after, std::vector<bool>(6, false));
  EXPECT_EQ(lineFive, std::vector<bool>(7, false)) << "the large font leaves lines 5 to 8 disabled";
  EXPECT_EQ(promptShown, L"QTY");
  EXPECT_FALSE(fontEnabled);
  EXPECT_EQ(forms, 10);
  EXPECT_EQ(form().dataTypeByte(0), 8);
  EXPECT_EQ(form().prompt(0), "");
}

TEST_F(FormPageTest, ALargeFontPromptIsCutAndTheTerminalRunsTheEditedForm) {
  app.tmpl.lookup(0).setByte(LookupRecord::kMemberLength, 12);
  app.tmpl.lookup(0).setByte(LookupRecord::kFieldCount, 2);
  simulator().keyPress(9);  // the key labelled 3: the Utility page
  std::wstring shown;
  edit({answerPropertySheet(IDOK, [&](HWND sheet) {
    shown = type(formPage(sheet), IDC_FORM_LINE_PROMPT, L"1234567890ABCDEF");
  })});
  EXPECT_EQ(shown, L"1234567890ABCDE");
  EXPECT_EQ(form().prompt(0), "1234567890ABCDE");
  EXPECT_TRUE(app.tmpl.changed());
  ASSERT_EQ(simulator().state(), sim::SimulatorState::MainPage);

  simulator().keyPress(9);
  EXPECT_FALSE(simulator().screen().line(7).empty()) << "lookup 1 gives the Utility page its eighth line";
  simulator().reset();
  simulator().keyPress(7);  // the key labelled 1 starts the application: form 1
  ASSERT_EQ(simulator().state(), sim::SimulatorState::Form);
  EXPECT_EQ(simulator().screen().line(0).substr(0, 15), "1234567890ABCDE");
}

TEST_F(FormPageTest, AdvanceCancelRestoresAPartialLengthOfZeroAndOkCorrectsWhatWasTyped) {
  form().setPartialMaxLength(0, 0);
  std::wstring length, start, clamped;
  bool partialEnabled = true;
  edit({openProperties(1), inProperties(IDCANCEL, [&](HWND dialog) {
          length = windowText(GetDlgItem(dialog, IDC_FIELD_PARTIAL_LENGTH));
          start = windowText(GetDlgItem(dialog, IDC_FIELD_PARTIAL_START));
          partialEnabled = enabled(dialog, IDC_FIELD_PARTIAL_LENGTH);
          SendDlgItemMessageW(dialog, IDC_FIELD_PARTIAL_ON, BM_CLICK, 0, 0);
          type(dialog, IDC_FIELD_PARTIAL_LENGTH, L"20");
        }),
        answerPropertySheet(IDOK)});
  EXPECT_EQ(length, L"50");
  EXPECT_EQ(start, L"1");
  EXPECT_FALSE(partialEnabled);
  EXPECT_EQ(form().partialMaxLength(0), 0);
  EXPECT_EQ(form().partialStart(0), 0);
  EXPECT_FALSE(form().partialOn(0));

  std::wstring badFixed;
  edit({openProperties(1), inProperties(IDOK, [&](HWND dialog) {
          SendDlgItemMessageW(dialog, IDC_FIELD_FIXED_ON, BM_CLICK, 0, 0);
          badFixed = type(dialog, IDC_FIELD_FIXED_LENGTH, L"x");
          clamped = type(dialog, IDC_FIELD_PARTIAL_LENGTH, L"300");
          type(dialog, IDC_FIELD_CHECK_PREFIX, L"1234567");
        }),
        answerPropertySheet(IDOK)});
  EXPECT_EQ(badFixed, L"1");
  EXPECT_EQ(clamped, L"255");
  EXPECT_TRUE(form().fixedLengthOn(0));
  EXPECT_EQ(form().fixedLength(0), 1);
  EXPECT_EQ(form().partialMaxLength(0), 50) << "300 is held at 255, which OK corrects to 50";
  EXPECT_EQ(form().partialStart(0), 1);
  EXPECT_EQ(form().checkPrefix(0), "123456");
}

TEST_F(FormPageTest, ALookupLineOfFormTwoOpensTheLookupDialog) {
  std::wstring firstCheck;
  bool fixedBefore = true, fixedAfter = false;
  std::wstring prefix;
  const auto toLookupLine = [](HWND page) {
    choose(page, IDC_FORM_NAME, 1);
    choose(page, IDC_FORM_LINE_TYPE + 1, 7);
  };
  edit({openProperties(2, toLookupLine), inProperties(IDOK, [&](HWND dialog) {
          firstCheck = windowText(GetDlgItem(dialog, IDC_LOOKUP_FIELD_SAVE_ON));
          fixedBefore = enabled(dialog, IDC_LOOKUP_FIELD_FIXED_ON);
          SendDlgItemMessageW(dialog, IDC_LOOKUP_FIELD_SAVE_ON, BM_CLICK, 0, 0);
          fixedAfter = enabled(dialog, IDC_LOOKUP_FIELD_FIXED_ON);
          SendDlgItemMessageW(dialog, IDC_LOOKUP_FIELD_PREFIX_ON, BM_CLICK, 0, 0);
          prefix = type(dialog, IDC_LOOKUP_FIELD_PREFIX, L"ABCDEFGHIJ");
        }),
        answerPropertySheet(IDOK)});
  EXPECT_EQ(firstCheck, L"保存字段数据");
  EXPECT_FALSE(fixedBefore);
  EXPECT_TRUE(fixedAfter);
  EXPECT_EQ(prefix, L"ABCDEFGHI");
  const FormRecord two = app.tmpl.form(1);
  EXPECT_EQ(two.dataTypeByte(1), 7);
  EXPECT_TRUE(two.initialOn(1));
  EXPECT_TRUE(two.prefixOn(1));
  EXPECT_EQ(two.prefix(1), "ABCDEFGHI");
  EXPECT_EQ(form().prompt(0), "QTY") << "form 1 untouched";
}

}  // namespace
}  // namespace k60::shell::testsupport
