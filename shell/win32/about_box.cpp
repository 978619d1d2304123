// The About box: everything it shows is in the AboutBox dialog resource.
#include "shell/win32/about_box.h"

namespace k60::shell {
namespace {

INT_PTR CALLBACK aboutProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_COMMAND:
      // Esc and the close box arrive as IDCANCEL; closing on them too is friendlier.
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace

INT_PTR showAboutBox(HINSTANCE instance, HWND owner) {
  return DialogBoxParamW(instance, L"AboutBox", owner, aboutProc, 0);
}

}  // namespace k60::shell
