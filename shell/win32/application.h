// The program from start to end: classes, main window, accelerators, message loop.
#pragma once

#include <windows.h>

namespace k60::shell {

// Returns 0 when a class or the main window cannot be made, else the quit message's code.
int runApplication(HINSTANCE instance, int showCommand);

// Runs until WM_QUIT; keystrokes are offered to the accelerators first, aimed at `target`.
int runMessageLoop(HWND target, HACCEL accelerators);

}  // namespace k60::shell
