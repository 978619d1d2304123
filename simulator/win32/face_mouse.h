// The left button on the terminal face: key presses with pressed pictures, PWR's command
// menu at its release, and dragging the program window by any point that is not a key.
#pragma once

#include <windows.h>

namespace k60::sim {

struct FaceWindow;

void onLeftButtonDown(FaceWindow& face, POINT at);
void onMouseMove(FaceWindow& face, POINT at);
void onLeftButtonUp(FaceWindow& face);
// Another window took the mouse during a drag: take the outline away, move nothing.
void onCaptureLost(FaceWindow& face);

// The command menu at a client point; the chosen command goes to the main window.
void showCommandMenu(const FaceWindow& face, POINT client);

}  // namespace k60::sim
