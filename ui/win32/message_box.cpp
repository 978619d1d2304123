// Message boxes in the system's own texts.
#include "ui/win32/message_box.h"

#include <string>

#include "template/win32/utf16_text.h"

namespace k60::ui {

int messageBox(HWND owner, std::string_view text, std::string_view caption, UINT flags) {
  return MessageBoxW(owner, utf8ToUtf16(std::string(text)).c_str(), utf8ToUtf16(std::string(caption)).c_str(),
                     flags);
}

}  // namespace k60::ui
