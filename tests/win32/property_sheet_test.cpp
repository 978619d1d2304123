// The template editor through the real command and its real controls: the sheet, the
// settings page and the keyboard wedge dialog, checked on the template's bytes.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/editor_ids.h"
#include "tests/support/test_support.h"
#include "resources/resource_ids.h"
#include "simulator/simulator.h"
#include "simulator/win32/face_window.h"
#include "template/barcode_record.h"
#include "template/lookup_record.h"
#include "template/settings_record.h"
#include "tests/win32/modal_driver.h"
#include "tests/win32/sheet_driver.h"
#include "tests/win32/shell_fixture.h"

namespace k60::shell::testsupport {
namespace {

constexpr int kSettingsPage = 4;

using k60::test::storeOf;

std::vector<std::wstring> tabTexts(HWND sheet) {
  HWND tabs = PropSheet_GetTabControl(sheet);
  std::vector<std::wstring> texts;
  for (int i = 0, n = TabCtrl_GetItemCount(tabs); i < n; ++i) {
    wchar_t text[64] = {};
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    TabCtrl_GetItem(tabs, i, &item);
    texts.push_back(text);
  }
  return texts;
}

class PropertySheetTest : public ShellTest {
 protected:
  void edit(const std::vector<ModalStep>& steps) { runEdit(main, steps); }
  sim::Simulator& simulator() { return *sim::faceSimulator(app.faceWindow); }
};

TEST_F(PropertySheetTest, EditShowsSixTabsAndOkWithoutAnEditChangesNoByteButMarksTheChangeAndResetsTheTerminal) {
  app.tmpl.setChanged(false);
  simulator().keyPress(9);  // the key labelled 3: the Utility page
  ASSERT_NE(simulator().state(), sim::SimulatorState::MainPage);
  const auto before = storeOf(app.tmpl);
  std::wstring caption;
  HWND owner = nullptr, apply = nullptr;
  std::vector<std::wstring> tabs;
  int firstPage = -1;
  edit({answerPropertySheet(IDOK, [&](HWND sheet) {
    caption = windowText(sheet);
    owner = GetWindow(sheet, GW_OWNER);
    tabs = tabTexts(sheet);
    firstPage = PropSheet_HwndToIndex(sheet, PropSheet_GetCurrentPageHwnd(sheet));
    apply = GetDlgItem(sheet, 0x3021);  // the Apply button's id
    for (int page = 1; page < 6; ++page) showPage(sheet, page);  // every page takes its copy
  })});

  EXPECT_EQ(caption, L"应用程序模板");
  EXPECT_EQ(owner, main);
  EXPECT_EQ(tabs, (std::vector<std::wstring>{L"窗体", L"菜单", L"索引", L"条码", L"设置", L"启动"}));
  EXPECT_EQ(firstPage, 0);
  EXPECT_TRUE(apply == nullptr || !IsWindowVisible(apply)) << "no Apply button";
  EXPECT_EQ(storeOf(app.tmpl), before);
  EXPECT_TRUE(app.tmpl.changed());
  EXPECT_EQ(simulator().state(), sim::SimulatorState::MainPage);
}

// Controls that reach past the tabs' display area are cut off: every page must show whole.
TEST_F(PropertySheetTest, EveryPageShowsWholeInsideTheSheet) {
  std::vector<std::string> cut;
  edit({answerPropertySheet(IDCANCEL, [&](HWND sheet) {
    HWND tabs = PropSheet_GetTabControl(sheet);
    for (int index = 0; index < 6; ++index) {
      HWND page = showPage(sheet, index);
      RECT shown;
      GetWindowRect(tabs, &shown);
      TabCtrl_AdjustRect(tabs, FALSE, &shown);
      for (HWND c = GetWindow(page, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(c, &r);
        if (r.right > shown.right + 1 || r.bottom > shown.bottom + 1)
          cut.push_back("page " + std::to_string(index) + " control " + std::to_string(GetDlgCtrlID(c)) + " at " +
                        std::to_string(r.right) + "," + std::to_string(r.bottom) + " past " +
                        std::to_string(shown.right) + "," + std::to_string(shown.bottom));
      }
    }
  })});
  EXPECT_TRUE(cut.empty()) << cut.front() << " and " << cut.size() - 1 << " more";
}

// Edits the settings page through its controls; the password box is read at once.
void editSettings(HWND sheet, std::wstring* passwordShown) {
  HWND page = showPage(sheet, kSettingsPage);
  click(page, IDC_SECURITY_SETTINGS_MENU);
  click(page, IDC_SECURITY_RECORD_PROMPT);
  selectInList(page, IDC_UPLOAD_PORT, 3);
  selectInList(page, IDC_RATE, 4);
  SetDlgItemTextW(page, IDC_PASSWORD, L"12345678901");
  *passwordShown = itemText(page, IDC_PASSWORD);
}

TEST_F(PropertySheetTest, SettingsEditsReachTheTemplateOnOkAndCancelLeavesRecordAndFlag) {
  app.tmpl.setChanged(false);
  const auto before = storeOf(app.tmpl);
  std::wstring shown;
  edit({answerPropertySheet(IDCANCEL, [&](HWND sheet) { editSettings(sheet, &shown); })});
  EXPECT_EQ(shown, L"1234567890") << "the 11th character is cut at once";
  EXPECT_EQ(storeOf(app.tmpl), before);
  EXPECT_FALSE(app.tmpl.changed());

  std::wstring lastUploadPort;
  edit({answerPropertySheet(IDOK, [&](HWND sheet) {
    editSettings(sheet, &shown);
    lastUploadPort = windowText(GetDlgItem(PropSheet_GetCurrentPageHwnd(sheet), IDC_UPLOAD_PORT));
  })});
  EXPECT_EQ(lastUploadPort, L"键盘接口") << "the list shows the system's own texts";
  const SettingsRecord s = app.tmpl.settings();
  EXPECT_TRUE(s.securityCheck(SecurityCheck::SettingsMenu));
  EXPECT_TRUE(s.securityCheck(SecurityCheck::RecordPrompt));
  EXPECT_FALSE(s.securityCheck(SecurityCheck::EditData));
  EXPECT_EQ(s.uploadPort(), 3);
  EXPECT_EQ(s.rate(), 4);
  EXPECT_EQ(app.tmpl.password(), "1234567890");
  EXPECT_TRUE(app.tmpl.changed());
}

TEST_F(PropertySheetTest, KeyboardWedgeOkWritesAtOnceAndSurvivesACancelledSheet) {
  app.tmpl.setChanged(false);
  const auto settingsBefore = storeOf(app.tmpl);
  int types = 0, typeShown = -2;
  bool detectChecked = false;
  std::wstring correctedDelay;
  ModalStep openWedge = [&] {
    HWND sheet = findDialogTitled(L"应用程序模板");
    if (!sheet) return false;
    pressButton(showPage(sheet, kSettingsPage), IDC_KEYBOARD_WEDGE);
    return true;
  };
  ModalStep wedge = [&] {
    HWND dialog = findDialogTitled(L"键盘接口设置");
    if (!dialog) return false;
    types = static_cast<int>(SendDlgItemMessageW(dialog, IDC_WEDGE_KEYBOARD, CB_GETCOUNT, 0, 0));
    typeShown = static_cast<int>(SendDlgItemMessageW(dialog, IDC_WEDGE_KEYBOARD, CB_GETCURSEL, 0, 0));
    detectChecked = IsDlgButtonChecked(dialog, IDC_CAPS_LOCK_DETECT) == BST_CHECKED;
    selectInList(dialog, IDC_WEDGE_KEYBOARD, 25);
    click(dialog, IDC_DIGIT_LAYOUT_UPPER);
    click(dialog, IDC_SHIFT_LOCK_SHIFT);
    click(dialog, IDC_CAPS_LOCK_IGNORE);
    click(dialog, IDC_WEDGE_NUMERIC_KEYPAD);
    SetDlgItemTextW(dialog, IDC_WEDGE_DELAY, L"4x");
    correctedDelay = itemText(dialog, IDC_WEDGE_DELAY);
    SetDlgItemTextW(dialog, IDC_WEDGE_DELAY, L"999");
    SetDlgItemTextW(dialog, IDC_WEDGE_TIMEOUT, L"");
    pressButton(dialog, IDOK);
    return true;
  };
  edit({openWedge, wedge, answerPropertySheet(IDCANCEL)});

  EXPECT_EQ(types, 28);
  EXPECT_EQ(typeShown, 0);
  EXPECT_TRUE(detectChecked);
  EXPECT_EQ(correctedDelay, L"0");
  const BarcodeRecord b = app.tmpl.barcode();
  EXPECT_EQ(b.keyboardType(), 25);
  EXPECT_EQ(b.byte(BarcodeRecord::kWedgeOptions), 0x20 | (2 << 3) | (2 << 1) | 1);
  EXPECT_EQ(b.keyDelay(), 255);
  EXPECT_EQ(b.wedgeTimeout(), 0);
  EXPECT_TRUE(app.tmpl.extension().wedgeCrLf());
  EXPECT_FALSE(app.tmpl.changed()) << "the wedge dialog's OK is not a change that asks to be saved";
  const auto after = storeOf(app.tmpl);
  const std::size_t settings = blockSpan(Block::Settings).offset;
  EXPECT_TRUE(std::equal(after.begin() + settings, after.begin() + settings + 30, settingsBefore.begin() + settings))
      << "the cancelled sheet stored no settings and no password";
}

}  // namespace
}  // namespace k60::shell::testsupport
