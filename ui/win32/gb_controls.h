// Control texts as GB2312 bytes, the form in which the template keeps them: the conversion
// happens here, at the edge, and nowhere else.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace k60::ui {

// The control's text in code page 936. A character that the code page lacks becomes '?',
// which the caller's rule then shows back, so the box never shows what is not stored.
std::string gbText(HWND dialog, int id);
void setGbText(HWND dialog, int id, std::string_view gb);

}  // namespace k60::ui
