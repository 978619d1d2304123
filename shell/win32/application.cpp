// Program start-up and the message loop.
#include "shell/win32/application.h"

#include <objbase.h>

#include <memory>

#include "shell/win32/app_state.h"
#include "shell/win32/main_window.h"

namespace k60::shell {

namespace {

int runProgram(HINSTANCE instance, int showCommand) {
  if (!registerWindowClasses(instance)) return 0;
  auto app = std::make_unique<AppState>();
  app->instance = instance;
  HWND main = createMainWindow(*app);
  if (!main) return 0;
  ShowWindow(main, showCommand);
  UpdateWindow(main);
  return runMessageLoop(main, LoadAcceleratorsW(instance, L"AGK60"));
}

}  // namespace

int runApplication(HINSTANCE instance, int showCommand) {
  // The shell's document opening (help pages) may use COM; the thread is the window thread.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  const int code = runProgram(instance, showCommand);
  if (SUCCEEDED(com)) CoUninitialize();
  return code;
}

int runMessageLoop(HWND target, HACCEL accelerators) {
  MSG msg = {};
  // -1 is an error, not a message: stop rather than spin on it.
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (accelerators && TranslateAcceleratorW(target, accelerators, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace k60::shell
