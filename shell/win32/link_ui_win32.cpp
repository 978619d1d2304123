// Message boxes of the link with their owner and icon; the windows come from their own files.
#include "shell/win32/link_ui_win32.h"

#include <string>

#include "link/link_messages.h"
#include "ui/win32/message_box.h"

namespace k60::shell {

UINT messageBoxIcon(link::MessageIcon icon) {
  switch (icon) {
    case link::MessageIcon::Exclamation: return MB_ICONEXCLAMATION;
    case link::MessageIcon::Question: return MB_ICONQUESTION;
    case link::MessageIcon::None: return 0;
  }
  return 0;
}

void discardQueuedInput() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
  }
  while (PeekMessageW(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
  }
  while (PeekMessageW(&msg, nullptr, WM_NCMOUSEMOVE, WM_NCMBUTTONDBLCLK, PM_REMOVE)) {
  }
}

// Asked at every wait (at least every 50 ms). Looking at the queue here is also what keeps a
// long transfer from being greyed out as not responding: nothing else reads it meanwhile.
bool WindowsLinkUi::cancelRequested() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE))
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) return true;
  return false;
}

HWND WindowsLinkUi::ownerFor(std::string_view text) const {
  return text == link::text::kCannotOpenFile ? nullptr : app_.mainWindow;
}

void WindowsLinkUi::showMessage(std::string_view text, std::string_view caption, link::MessageIcon icon) {
  discardQueuedInput();
  ui::messageBox(ownerFor(text), text, caption, MB_OK | messageBoxIcon(icon));
}

bool WindowsLinkUi::askYesNo(std::string_view text, std::string_view caption, link::MessageIcon icon) {
  discardQueuedInput();
  return ui::messageBox(ownerFor(text), text, caption, MB_YESNO | messageBoxIcon(icon)) == IDYES;
}

}  // namespace k60::shell
