// Helpers for tests that meet modal loops: finding this thread's dialogs and menus, acting
// on them from inside the loop, and recording the commands that reach a window.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace k60::shell::testsupport {

// A top-level window of this thread with the given class: dialogs are "#32770", menus "#32768".
inline HWND findThreadWindow(const wchar_t* className) {
  struct Search {
    const wchar_t* className;
    HWND found;
  } search = {className, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM lParam) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lParam);
        wchar_t name[32] = {};
        GetClassNameW(hwnd, name, 32);
        if (IsWindowVisible(hwnd) && wcscmp(name, s->className) == 0) {
          s->found = hwnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Runs `action`, which enters a modal loop (a dialog, a popup menu), and calls `tick` every
// 20 ms from inside that loop until it returns true. After 5 s the loop is ended anyway so
// that a missing window fails the test instead of hanging it.
inline void whileModal(const std::function<bool()>& tick, const std::function<void()>& action) {
  static const std::function<bool()>* current;
  static int ticks;
  current = &tick;
  ticks = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR id, DWORD) {
    if (!current) return;
    if ((*current)() || ++ticks > 250) {
      if (ticks > 250) {
        EndMenu();
        if (HWND dialog = findThreadWindow(L"#32770")) EndDialog(dialog, 0);
      }
      current = nullptr;
      KillTimer(nullptr, id);
    }
  });
  action();
  KillTimer(nullptr, timer);
  current = nullptr;
}

// Dispatches what is queued (TrackPopupMenu posts its command); true when WM_QUIT came.
inline bool pumpQueue() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) return true;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return false;
}

// Swaps the main window's procedure for one that records WM_COMMAND ids and runs nothing.
class CommandRecorder {
 public:
  explicit CommandRecorder(HWND hwnd) : hwnd_(hwnd) {
    commands_ = &ids;
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&record)));
  }
  ~CommandRecorder() {
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    commands_ = nullptr;
  }
  std::vector<int> ids;

 private:
  static LRESULT CALLBACK record(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND) {
      if (commands_) commands_->push_back(LOWORD(wParam));
      return 0;
    }
    return CallWindowProcW(original_, hwnd, msg, wParam, lParam);
  }
  HWND hwnd_;
  static inline WNDPROC original_;
  static inline std::vector<int>* commands_;
};

}  // namespace k60::shell::testsupport
