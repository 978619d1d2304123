// The About box.
#pragma once

#include <windows.h>

namespace k60::shell {

// Modal; returns when the box is closed, with the id of the button that closed it.
INT_PTR showAboutBox(HINSTANCE instance, HWND owner);

}  // namespace k60::shell
