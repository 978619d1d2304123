// The main window: a captionless popup the size of the terminal picture, holding the face window.
#pragma once

#include <windows.h>

#include "shell/win32/app_state.h"
#include "simulator/face_bitmaps.h"
#include "simulator/win32/face_window.h"

namespace k60::shell {

inline constexpr wchar_t kMainClassName[] = L"AGK60";
using sim::kFaceClassName;

// The terminal picture's size; the main window is exactly this big.
using sim::kFaceHeight;
using sim::kFaceWidth;
inline constexpr POINT kMainWindowOrigin = {300, 50};

// Registers AGK60 and Client; false as soon as one of them fails.
bool registerWindowClasses(HINSTANCE instance);

// Creates the main window (hidden) for app; during creation the template gets its defaults
// and the face window and program directory are set up. Null on failure.
HWND createMainWindow(AppState& app);

// Where a window of the given size goes when it would like to be at `wanted`: there, unless
// that puts part of it outside `work`; then moved just far enough in (top-left wins when the
// area is smaller than the window).
POINT placeInside(POINT wanted, SIZE size, const RECT& work);

}  // namespace k60::shell
