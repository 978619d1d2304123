// Opens the editor's windows in a running k60gen.exe from outside, for the screenshot
// script, which cannot reach a control inside a Wine window itself:
//   show_editor.exe settings   Edit, then the property sheet's settings page
//   show_editor.exe wedge      the keyboard wedge dialog, from the settings page shown
// Exits 0 once the window is up, 1 when it did not appear within 20 s.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "resources/editor_ids.h"
#include "resources/resource_ids.h"

namespace {

HWND waitForDialog(const wchar_t* title) {
  for (int i = 0; i < 400; ++i, Sleep(50))
    if (HWND found = FindWindowW(L"#32770", title)) return found;
  return nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring what = argc == 2 ? argv[1] : L"";
  if (what == L"settings") {
    HWND main = FindWindowW(L"AGK60", nullptr);
    if (!main) return 1;
    PostMessageW(main, WM_COMMAND, IDM_EDIT, 0);
    HWND sheet = waitForDialog(L"应用程序模板");
    if (!sheet) return 1;
    SendMessageW(sheet, PSM_SETCURSEL, 4, 0);
    return 0;
  }
  if (what == L"wedge") {
    HWND sheet = FindWindowW(L"#32770", L"应用程序模板");
    if (!sheet) return 1;
    HWND page = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    PostMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_KEYBOARD_WEDGE, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_KEYBOARD_WEDGE)));
    return waitForDialog(L"键盘接口设置") ? 0 : 1;
  }
  std::fprintf(stderr, "usage: show_editor settings|wedge\n");
  return 2;
}
