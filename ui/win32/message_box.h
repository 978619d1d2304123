// Message boxes in the system's own texts, which the program keeps as UTF-8.
#pragma once

#include <windows.h>

#include <string_view>

namespace k60::ui {

// MessageBoxW with the text and caption converted from UTF-8; returns the button pressed.
int messageBox(HWND owner, std::string_view text, std::string_view caption, UINT flags);

}  // namespace k60::ui
