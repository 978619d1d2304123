// The window procedure of the terminal face: creation and destruction of its resources,
// painting, the mouse and the clock timer.
#include "simulator/win32/face_window.h"

#include <windowsx.h>

#include "simulator/win32/face_keyboard.h"
#include "simulator/win32/face_mouse.h"
#include "simulator/win32/face_paint.h"
#include "simulator/win32/face_window_data.h"
#include "simulator/win32/lcd_font.h"
#include "ui/win32/window_data.h"

namespace k60::sim {
namespace {

constexpr UINT_PTR kClockTimer = 1;
constexpr UINT kClockPeriodMs = 100;

FaceWindow* faceOf(HWND hwnd) { return ui::windowData<FaceWindow>(hwnd); }

bool attach(HWND hwnd, const CREATESTRUCTW& cs) {
  const auto* params = static_cast<const FaceWindowParams*>(cs.lpCreateParams);
  if (!params || !params->tmpl) return false;
  ui::bindWindowData(hwnd, new FaceWindow(hwnd, *params->tmpl));
  return true;
}

void onCreate(FaceWindow& face, HINSTANCE instance) {
  face.bitmaps.load(instance);
  SetTimer(face.hwnd, kClockTimer, kClockPeriodMs, nullptr);
  face.font = createLcdFont();
  face.menuResource = LoadMenuW(instance, L"PopMenuK60");
  face.commandMenu = face.menuResource ? GetSubMenu(face.menuResource, 0) : nullptr;
  face.simulator.showMainPage();
}

void onDestroy(FaceWindow& face) {
  face.bitmaps.release();
  if (face.font) DeleteObject(face.font);
  face.font = nullptr;
  KillTimer(face.hwnd, kClockTimer);
  KillTimer(face.hwnd, kTypingTimer);
  if (face.menuResource) DestroyMenu(face.menuResource);
  face.menuResource = face.commandMenu = nullptr;
}

void onPaint(FaceWindow& face) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(face.hwnd, &ps);
  paintFace(dc, face);
  EndPaint(face.hwnd, &ps);
}

// Mouse coordinates are signed: with the capture, the mouse may be left of or above the face.
POINT mousePoint(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

bool handle(FaceWindow& face, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE: onCreate(face, reinterpret_cast<CREATESTRUCTW*>(lParam)->hInstance); return true;
    case WM_DESTROY: onDestroy(face); return true;
    case WM_PAINT: onPaint(face); return true;
    case WM_PRINTCLIENT: paintFace(reinterpret_cast<HDC>(wParam), face); return true;
    case WM_LBUTTONDOWN: onLeftButtonDown(face, mousePoint(lParam)); return true;
    case WM_MOUSEMOVE: onMouseMove(face, mousePoint(lParam)); return true;
    case WM_LBUTTONUP: onLeftButtonUp(face); return true;
    case WM_RBUTTONDOWN: showCommandMenu(face, mousePoint(lParam)); return true;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != face.hwnd) onCaptureLost(face);
      return true;
    case WM_KEYDOWN: onKeyDown(face, wParam, lParam); return true;
    case WM_KEYUP: onKeyUp(face, wParam); return true;
    case WM_CHAR: onChar(face, wParam, lParam); return true;
    case WM_TIMER:
      if (wParam == kTypingTimer) {
        onTypingTimer(face);
        return true;
      }
      if (wParam != kClockTimer) return false;
      face.simulator.tick();
      return true;
  }
  return false;
}

}  // namespace

LRESULT CALLBACK faceWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    if (!attach(hwnd, *reinterpret_cast<CREATESTRUCTW*>(lParam))) return FALSE;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
  FaceWindow* face = faceOf(hwnd);
  if (!face) return DefWindowProcW(hwnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    ui::bindWindowData<FaceWindow>(hwnd, nullptr);
    delete face;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
  return handle(*face, msg, wParam, lParam) ? 0 : DefWindowProcW(hwnd, msg, wParam, lParam);
}

bool registerFaceWindowClass(HINSTANCE instance) {
  return ui::registerWindowClass(instance, kFaceClassName, faceWindowProc,
                                 static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

Simulator* faceSimulator(HWND face) {
  const auto ours = reinterpret_cast<ULONG_PTR>(&faceWindowProc);
  if (!face || GetClassLongPtrW(face, GCLP_WNDPROC) != ours) return nullptr;
  FaceWindow* data = faceOf(face);
  return data ? &data->simulator : nullptr;
}

void setFaceMilliseconds(HWND face, std::function<std::uint32_t()> milliseconds) {
  if (!faceSimulator(face)) return;
  if (FaceWindow* data = faceOf(face)) data->milliseconds = std::move(milliseconds);
}

}  // namespace k60::sim
