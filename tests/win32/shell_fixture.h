// A main window made as k60gen makes it, for tests that drive it with messages.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "shell/win32/app_state.h"
#include "shell/win32/main_window.h"

namespace k60::shell::testsupport {

inline HINSTANCE thisModule() { return GetModuleHandleW(nullptr); }

// Classes can be registered once per process; every test shares that one registration.
inline bool classesRegistered() {
  static const bool ok = registerWindowClasses(thisModule());
  return ok;
}

// A WM_QUIT left in the queue would end the next test's modal loop at once.
inline bool takeQuitMessage(WPARAM* code = nullptr) {
  MSG msg;
  bool seen = false;
  while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    seen = true;
    if (code) *code = msg.wParam;
  }
  return seen;
}

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(classesRegistered());
    app.instance = thisModule();
    main = createMainWindow(app);
    ASSERT_NE(main, nullptr);
  }
  void TearDown() override {
    if (IsWindow(main)) DestroyWindow(main);
    takeQuitMessage();
  }

  AppState app;
  HWND main = nullptr;
};

}  // namespace k60::shell::testsupport
