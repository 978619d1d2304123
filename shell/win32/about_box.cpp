// The About box: everything it shows is in the AboutBox dialog resource.
#include "shell/win32/about_box.h"

#include "ui/win32/dialog.h"

namespace k60::shell {
INT_PTR showAboutBox(HINSTANCE instance, HWND owner) {
  ui::Dialog box;  // OK, Esc and the close box all close it
  return box.runModal(instance, L"AboutBox", owner);
}

}  // namespace k60::shell
