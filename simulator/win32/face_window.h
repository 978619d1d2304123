// The terminal-face window (class Client): the picture of the terminal, its keypad and LCD,
// the simulator that runs behind them, and the command menu.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "template/store.h"

namespace k60::sim {

class Simulator;

inline constexpr wchar_t kFaceClassName[] = L"Client";

// CreateWindow's lpParam for a face window: what it needs from the program that holds it.
// Commands (the command menu, New when there is nothing to run) go to the parent window.
struct FaceWindowParams {
  Template* tmpl = nullptr;
};

// Window procedure of class Client.
LRESULT CALLBACK faceWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Registers class Client once per process; false when that fails.
bool registerFaceWindowClass(HINSTANCE instance);

// The simulator running in a face window; null for any other window.
Simulator* faceSimulator(HWND face);

// The millisecond counter that times typed input (GetTickCount unless a test sets its own).
void setFaceMilliseconds(HWND face, std::function<std::uint32_t()> milliseconds);

}  // namespace k60::sim
