// Driving the property sheet's pages as a user does: showing a page, choosing in a list,
// clicking a button, reading a control's text.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "resources/resource_ids.h"

#include "tests/win32/modal_driver.h"

namespace k60::shell::testsupport {

inline HWND showPage(HWND sheet, int index) {
  PropSheet_SetCurSel(sheet, nullptr, index);
  return PropSheet_GetCurrentPageHwnd(sheet);
}

inline void selectInList(HWND dialog, int id, int position) {
  SendDlgItemMessageW(dialog, id, CB_SETCURSEL, position, 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

inline void click(HWND dialog, int id) { SendDlgItemMessageW(dialog, id, BM_CLICK, 0, 0); }

inline std::wstring itemText(HWND dialog, int id) { return windowText(GetDlgItem(dialog, id)); }

// Sends Edit to the main window and takes `steps` inside the sheet: every step must be taken
// and no other dialog turn up.
inline void runEdit(HWND main, const std::vector<ModalStep>& steps) {
  int unexpected = 0;
  EXPECT_EQ(runModalSteps(steps, [&] { SendMessageW(main, WM_COMMAND, IDM_EDIT, 0); }, &unexpected), steps.size());
  EXPECT_EQ(unexpected, 0);
}


// Types `text` into box `id` and returns what box `shown` (0: the same box) then holds.
inline std::wstring typeInto(HWND dialog, int id, const wchar_t* text, int shown = 0) {
  SetDlgItemTextW(dialog, id, text);
  return itemText(dialog, shown ? shown : id);
}

// The sheet's page `index`, once no dialog of the sheet's own is open: `act` works on it, then
// button `button` (0: none) is pressed there.
inline ModalStep onSheetPage(int index, std::function<void(HWND)> act, int button = 0) {
  return [=] {
    HWND sheet = findDialogTitled(L"应用程序模板");
    if (!sheet || !IsWindowEnabled(sheet)) return false;
    HWND page = showPage(sheet, index);
    if (act) act(page);
    if (button) pressButton(page, button);
    return true;
  };
}

// The dialog titled `title`, once it takes input (no dialog of its own open): `act` works on
// it, then button `button` (0: none) is pressed.
inline ModalStep onDialog(const std::wstring& title, std::function<void(HWND)> act, int button = IDOK) {
  return [=] {
    HWND dialog = findDialogTitled(title);
    if (!dialog || !IsWindowEnabled(dialog)) return false;
    if (act) act(dialog);
    if (button) pressButton(dialog, button);
    return true;
  };
}

}  // namespace k60::shell::testsupport
