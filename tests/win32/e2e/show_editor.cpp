// Opens the editor's windows in a running k60gen.exe from outside, for the screenshot
// script, which cannot reach a control inside a Wine window itself:
//   show_editor.exe page N     Edit (unless the sheet is open), then the sheet's page N
//                              (0 form, 1 menu, 2 lookup, 3 barcode, 4 settings, 5 start-up)
//   show_editor.exe click ID   clicks button ID on the page shown and waits for the dialog
//                              it opens
// Exits 0 once the window is up, 1 when it did not appear within 20 s.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "resources/resource_ids.h"

namespace {

constexpr const wchar_t* kSheetTitle = L"应用程序模板";

template <typename Find>
HWND waitFor(Find find) {
  for (int i = 0; i < 400; ++i, Sleep(50))
    if (HWND found = find()) return found;
  return nullptr;
}

// A visible dialog owned by the sheet: the one a page's button opened.
HWND ownedDialog(HWND sheet) {
  struct Search {
    HWND owner;
    HWND found;
  } search{sheet, nullptr};
  EnumThreadWindows(
      GetWindowThreadProcessId(sheet, nullptr),
      [](HWND w, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        if (GetWindow(w, GW_OWNER) != s->owner || !IsWindowVisible(w)) return TRUE;
        s->found = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

int showPage(int index) {
  HWND sheet = FindWindowW(L"#32770", kSheetTitle);
  if (!sheet) {
    HWND main = FindWindowW(L"AGK60", nullptr);
    if (!main) return 1;
    PostMessageW(main, WM_COMMAND, IDM_EDIT, 0);
    sheet = waitFor([] { return FindWindowW(L"#32770", kSheetTitle); });
    if (!sheet) return 1;
  }
  SendMessageW(sheet, PSM_SETCURSEL, index, 0);
  return 0;
}

int clickButton(int id) {
  HWND sheet = FindWindowW(L"#32770", kSheetTitle);
  if (!sheet) return 1;
  HWND page = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
  PostMessageW(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
  return waitFor([sheet] { return ownedDialog(sheet); }) ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring what = argc == 3 ? argv[1] : L"";
  if (what == L"page") return showPage(_wtoi(argv[2]));
  if (what == L"click") return clickButton(_wtoi(argv[2]));
  std::fprintf(stderr, "usage: show_editor page N | click ID\n");
  return 2;
}
