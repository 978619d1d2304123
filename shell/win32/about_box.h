// The About box.
#pragma once

#include <windows.h>

namespace k60::shell {

// Modal; returns when the box is closed: 1 by OK, 0 by Esc or the close box.
INT_PTR showAboutBox(HINSTANCE instance, HWND owner);

}  // namespace k60::shell
