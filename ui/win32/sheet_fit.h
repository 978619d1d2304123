// Property sheets whose pages use a larger font than the sheet's own.
#pragma once

#include <windows.h>

namespace k60::ui {

// The sheet sizes its pages in its own dialog font; a page in a wider font (the editor's
// "宋体" 9) would be cut off on the right and at the bottom. Grows the sheet, its tabs and
// its buttons' places so that `page` shows whole at `pageSize` pixels, and sizes the page
// to the tabs' display area. Never shrinks.
void fitSheetToPage(HWND sheet, HWND page, SIZE pageSize);

}  // namespace k60::ui
