// Key presses and window drags on the terminal face.
#include "simulator/win32/face_mouse.h"

#include "simulator/keypad.h"
#include "simulator/keypad_hit_test.h"
#include "simulator/win32/face_paint.h"
#include "simulator/win32/face_window_data.h"

namespace k60::sim {
namespace {

void drawKey(const FaceWindow& face, int bitmap) {
  HDC dc = GetDC(face.hwnd);
  blit(dc, face.bitmaps.get(bitmap), face.mouse.hitTopLeft.x, face.mouse.hitTopLeft.y);
  ReleaseDC(face.hwnd, dc);
}

// An inverted outline on the screen: drawing it twice restores what was there.
void drawDragFrame(const RECT& r) {
  HDC screen = GetDC(nullptr);
  const int oldRop = SetROP2(screen, R2_NOT);
  MoveToEx(screen, r.left, r.top, nullptr);
  LineTo(screen, r.left, r.bottom - 1);
  LineTo(screen, r.right - 1, r.bottom - 1);
  LineTo(screen, r.right - 1, r.top);
  LineTo(screen, r.left, r.top);
  SetROP2(screen, oldRop);
  ReleaseDC(nullptr, screen);
}

void pressKey(FaceWindow& face, const KeyHit& hit) {
  face.mouse.keyPressed = true;
  drawKey(face, pressedKeyBitmap(hit.key));
  // The key acts now; the simulator also toggles alpha mode here when a form is shown.
  face.simulator.keyPress(hit.key);
}

void startDrag(FaceWindow& face, POINT at) {
  MouseState& m = face.mouse;
  m.dragging = true;
  GetWindowRect(face.hwnd, &m.windowRect);
  m.dragFrame = m.windowRect;
  m.dragStart = at;
  drawDragFrame(m.dragFrame);
}

// The program window jumps to the outline only now, at the release.
void endDrag(FaceWindow& face) {
  const RECT& frame = face.mouse.dragFrame;
  drawDragFrame(frame);
  HWND main = GetParent(face.hwnd);
  MoveWindow(main, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top, TRUE);
  ShowWindow(main, SW_SHOW);
}

}  // namespace

void onLeftButtonDown(FaceWindow& face, POINT at) {
  SetCapture(face.hwnd);
  const KeyHit hit = hitTestKeypad(at.x, at.y);
  face.mouse.hitKey = hit.key;
  face.mouse.hitTopLeft = {hit.topLeft.x, hit.topLeft.y};
  if (hit.key)
    pressKey(face, hit);
  else
    startDrag(face, at);
}

void onMouseMove(FaceWindow& face, POINT at) {
  MouseState& m = face.mouse;
  if (!m.dragging || m.keyPressed) return;
  drawDragFrame(m.dragFrame);
  m.dragFrame = m.windowRect;
  OffsetRect(&m.dragFrame, at.x - m.dragStart.x, at.y - m.dragStart.y);
  drawDragFrame(m.dragFrame);
}

// PWR acts at its release only, and only when this release ends its press.
void onLeftButtonUp(FaceWindow& face) {
  MouseState& m = face.mouse;
  const bool powerReleased = m.hitKey == kKeyPower && m.keyPressed;
  if (m.hitKey)
    drawKey(face, releasedKeyBitmap(m.hitKey));
  else if (m.dragging)
    endDrag(face);
  m.keyPressed = false;
  m.dragging = false;
  ReleaseCapture();
  if (powerReleased) showCommandMenu(face, m.hitTopLeft);
}

// Another window took the mouse (a message box shown by the key's action, a menu, a task
// switch): the release will never come here, so the press or drag ends now, moving nothing.
void onCaptureLost(FaceWindow& face) {
  MouseState& m = face.mouse;
  if (m.keyPressed) drawKey(face, releasedKeyBitmap(m.hitKey));
  if (m.dragging) drawDragFrame(m.dragFrame);
  m.keyPressed = false;
  m.dragging = false;
}

void showCommandMenu(const FaceWindow& face, POINT client) {
  if (!face.commandMenu) return;
  POINT at = client;
  ClientToScreen(face.hwnd, &at);
  TrackPopupMenu(face.commandMenu, 0, at.x, at.y, 0, GetParent(face.hwnd), nullptr);
}

}  // namespace k60::sim
