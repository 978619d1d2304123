// The main window: class registration, creation and its window procedure.
#include "shell/win32/main_window.h"

#include <commctrl.h>

#include <algorithm>

#include "resources/resource_ids.h"
#include "shell/win32/command_dispatch.h"
#include "shell/win32/file_commands.h"
#include "shell/win32/program_dir.h"
#include "shell/win32/shell_texts.h"
#include "simulator/win32/face_window.h"
#include "template/defaults.h"
#include "template/win32/utf16_text.h"
#include "ui/win32/window_data.h"

namespace k60::shell {
namespace {

AppState* appOf(HWND hwnd) { return ui::windowData<AppState>(hwnd); }

// The order matters: the face window's first paint must already see the defaults.
bool onCreate(AppState& app, HWND hwnd) {
  InitCommonControls();
  resetToDefaults(app.tmpl);
  sim::FaceWindowParams face = {&app.tmpl};
  app.faceWindow = CreateWindowExW(0, kFaceClassName, nullptr, WS_CHILD | WS_VISIBLE, 0, 0,
                                   kFaceWidth, kFaceHeight, hwnd,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_FACE_WINDOW)),
                                   app.instance, &face);
  if (!app.faceWindow) return false;
  app.programDir = programDirectory();
  return true;
}

LRESULT CALLBACK mainWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* app = static_cast<AppState*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    ui::bindWindowData(hwnd, app);
    // Known from the start, so that the face window can own its menu from WM_CREATE on.
    app->mainWindow = hwnd;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
  AppState* app = appOf(hwnd);
  if (!app) return DefWindowProcW(hwnd, msg, wParam, lParam);

  switch (msg) {
    case WM_CREATE:
      return onCreate(*app, hwnd) ? 0 : -1;
    case WM_COMMAND:
      dispatchCommand(*app, LOWORD(wParam));
      return 0;
    case WM_SETFOCUS:
      // The PC keyboard belongs to the terminal face.
      if (app->faceWindow) SetFocus(app->faceWindow);
      return 0;
    case WM_CLOSE:
      closeMainWindow(*app);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      app->mainWindow = nullptr;
      app->faceWindow = nullptr;
      ui::bindWindowData<AppState>(hwnd, nullptr);
      break;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

RECT workAreaNear(POINT pt) {
  MONITORINFO info = {sizeof info};
  GetMonitorInfoW(MonitorFromPoint(pt, MONITOR_DEFAULTTONEAREST), &info);
  return info.rcWork;
}

}  // namespace

bool registerWindowClasses(HINSTANCE instance) {
  return ui::registerWindowClass(instance, kMainClassName, mainWindowProc,
                                 reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1), LoadIconW(instance, kMainClassName)) &&
         sim::registerFaceWindowClass(instance);
}

HWND createMainWindow(AppState& app) {
  const SIZE size = {kFaceWidth, kFaceHeight};
  const POINT at = placeInside(kMainWindowOrigin, size, workAreaNear(kMainWindowOrigin));
  return CreateWindowExW(0, kMainClassName, utf8ToUtf16(std::string(text::kMainWindowTitle)).c_str(), WS_POPUP, at.x, at.y, size.cx,
                         size.cy, nullptr, nullptr, app.instance, &app);
}

POINT placeInside(POINT wanted, SIZE size, const RECT& work) {
  POINT at = wanted;
  at.x = std::max(work.left, std::min(at.x, work.right - size.cx));
  at.y = std::max(work.top, std::min(at.y, work.bottom - size.cy));
  return at;
}

}  // namespace k60::shell
