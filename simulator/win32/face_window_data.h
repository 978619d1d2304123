// What a terminal-face window holds: its pictures, font and menu, the mouse state of a key
// press or a drag, the typed input on hold, and the simulator with the host and clock it
// runs on.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "simulator/simulator.h"
#include "simulator/typed_input.h"
#include "simulator/win32/face_bitmap_table.h"
#include "simulator/win32/face_host.h"

namespace k60::sim {

struct MouseState {
  int hitKey = 0;            // key of the last left-button press, 0 = none
  POINT hitTopLeft = {};     // that key's picture position (client coordinates)
  bool keyPressed = false;   // a press on a key until the button is released
  bool dragging = false;     // a press on no key until the button is released
  POINT dragStart = {};      // client coordinates of the press that started the drag
  RECT windowRect = {};      // the face window's screen rectangle when the drag started
  RECT dragFrame = {};       // windowRect moved by the mouse offset; drawn inverted on the screen
};

struct FaceWindow {
  FaceWindow(HWND window, Template& t) : hwnd(window), host(*this), simulator(t, host, clock) {}

  HWND hwnd;
  FaceBitmapTable bitmaps;
  HFONT font = nullptr;
  HMENU menuResource = nullptr;  // PopMenuK60
  HMENU commandMenu = nullptr;   // its first popup
  MouseState mouse;
  TypedInput typed;
  // Milliseconds for the typed input's 30 ms; tests put a clock of their own here.
  std::function<std::uint32_t()> milliseconds = [] { return static_cast<std::uint32_t>(GetTickCount()); };
  FaceHost host;
  SystemLocalClock clock;
  Simulator simulator;
};

}  // namespace k60::sim
