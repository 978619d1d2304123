// The About box: everything it shows is in the AboutBox dialog resource.
#include "shell/win32/about_box.h"

#include "ui/win32/dialog.h"

namespace k60::shell {
namespace {

class AboutBox : public ui::Dialog {
 protected:
  bool onCommand(int id, int) override {
    // Esc and the close box arrive as IDCANCEL; closing on them too is friendlier.
    if (id != IDOK && id != IDCANCEL) return false;
    end(id);
    return true;
  }
};

}  // namespace

INT_PTR showAboutBox(HINSTANCE instance, HWND owner) {
  AboutBox box;
  return box.runModal(instance, L"AboutBox", owner);
}

}  // namespace k60::shell
