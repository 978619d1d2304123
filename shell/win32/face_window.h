// The terminal-face window (class Client): the picture of the terminal and the command menu.
#pragma once

#include <windows.h>

namespace k60::shell {

// Window procedure of class Client. CreateWindow's lpParam must be the AppState.
LRESULT CALLBACK faceWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace k60::shell
