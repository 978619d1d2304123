// Helpers for tests that meet modal loops: finding this thread's dialogs and menus, acting
// on them from inside the loop, and recording the commands that reach a window.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace k60::shell::testsupport {

// The first visible top-level window of this thread that `match` accepts.
inline HWND findThreadWindowIf(const std::function<bool(HWND, const std::wstring& cls, const std::wstring& title)>& match) {
  struct Search {
    decltype(match) accept;
    HWND found;
  } search = {match, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM lParam) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lParam);
        wchar_t cls[32] = {}, title[64] = {};
        GetClassNameW(hwnd, cls, 32);
        GetWindowTextW(hwnd, title, 64);
        if (!IsWindowVisible(hwnd) || !s->accept(hwnd, cls, title)) return TRUE;
        s->found = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A top-level window of this thread with the given class: dialogs are "#32770", menus "#32768".
// The download's progress window is a modeless dialog that answers nothing: never this one.
inline HWND findThreadWindow(const wchar_t* className) {
  return findThreadWindowIf(
      [&](HWND, const std::wstring& cls, const std::wstring& title) { return cls == className && title != L"进行中"; });
}

// A dialog of this thread by its title: the property sheet and a dialog it opened are both
// shown at once.
inline HWND findDialogTitled(const std::wstring& title) {
  return findThreadWindowIf(
      [&](HWND, const std::wstring& cls, const std::wstring& text) { return cls == L"#32770" && text == title; });
}

// Ends whatever modal window this thread shows: a popup menu, or a dialog through its
// Cancel button (OK where it has none). Never "no" to a question by accident: a dialog
// ended with a made-up code could read it as Yes.
inline void cancelModals() {
  EndMenu();
  if (HWND dialog = findThreadWindow(L"#32770")) {
    const int button = GetDlgItem(dialog, IDCANCEL) ? IDCANCEL : IDOK;
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
  }
}

// Runs `action`, which enters a modal loop (a dialog, a popup menu), and calls `tick` every
// 20 ms from inside that loop until it returns true. After 5 s the test fails and every
// modal window that is still open, or opens later, is cancelled, so that a missing or an
// unexpected window fails the test instead of hanging it.
inline void whileModal(const std::function<bool()>& tick, const std::function<void()>& action) {
  static const std::function<bool()>* current;
  static int ticks;
  static bool timedOut;
  current = &tick;
  ticks = 0;
  timedOut = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
    if (timedOut) return cancelModals();
    if (!current) return;
    if ((*current)()) {
      current = nullptr;
    } else if (++ticks > 250) {
      timedOut = true;
      cancelModals();
    }
  });
  action();
  KillTimer(nullptr, timer);
  current = nullptr;
  if (timedOut) ADD_FAILURE() << "a modal window was still open after 5 s and was cancelled";
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

// ---- Message boxes and the common file dialogs, met in order inside a command ----

// What a test saw of a message box or a file dialog before it answered it.
struct ModalSeen {
  bool seen = false;
  HWND owner = nullptr;
  std::wstring caption;
  std::wstring text;                   // a message box's message
  HICON icon = nullptr;                // a message box's icon
  std::vector<std::wstring> filters;   // a file dialog's file type list
};

// The common file dialogs have a file name box: combo cmb13, or edit edt1 in old templates.
inline HWND fileNameBox(HWND dialog) {
  HWND box = GetDlgItem(dialog, 0x47C);
  return box ? box : GetDlgItem(dialog, 0x480);
}

inline std::wstring windowText(HWND hwnd) {
  std::wstring text(GetWindowTextLengthW(hwnd) + 1, L'\0');
  text.resize(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size())));
  return text;
}

// The visible dialog of this thread that is (or is not) a file dialog.
inline HWND findModal(bool fileDialog) {
  HWND dialog = findThreadWindow(L"#32770");
  if (!dialog || (fileNameBox(dialog) != nullptr) != fileDialog) return nullptr;
  return dialog;
}

inline void recordWindow(HWND dialog, ModalSeen* seen) {
  if (!seen) return;
  seen->seen = true;
  seen->owner = GetWindow(dialog, GW_OWNER);
  seen->caption = windowText(dialog);
}

// Posted, not sent: a dialog that the press opens (an overwrite question) then runs in the
// modal loop that the steps are watching, not inside this step.
inline void pressButton(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// One window to act on inside a modal loop: true once it was found and answered.
using ModalStep = std::function<bool()>;

// Answers the next message box with `button` (IDYES, IDNO, IDCANCEL, IDOK).
inline ModalStep answerMessageBox(int button, ModalSeen* seen = nullptr) {
  return [=] {
    HWND box = findModal(false);
    if (!box) return false;
    recordWindow(box, seen);
    for (HWND c = GetWindow(box, GW_CHILD); c && seen; c = GetWindow(c, GW_HWNDNEXT)) {
      wchar_t cls[16] = {};
      GetClassNameW(c, cls, 16);
      if (_wcsicmp(cls, L"Static") != 0) continue;
      if (HICON icon = reinterpret_cast<HICON>(SendMessageW(c, STM_GETICON, 0, 0))) seen->icon = icon;
      else if (std::wstring t = windowText(c); !t.empty()) seen->text = t;
    }
    pressButton(box, button);
    return true;
  };
}

// Types `name` (empty: nothing) into the next file dialog and presses OK, or Cancel when
// `ok` is false.
inline ModalStep answerFileDialog(const std::wstring& name, bool ok = true, ModalSeen* seen = nullptr) {
  return [=] {
    HWND dialog = findModal(true);
    if (!dialog) return false;
    recordWindow(dialog, seen);
    if (seen) {
      HWND types = GetDlgItem(dialog, 0x470);  // cmb1, the file type list
      for (int i = 0, n = static_cast<int>(SendMessageW(types, CB_GETCOUNT, 0, 0)); i < n; ++i) {
        std::wstring item(SendMessageW(types, CB_GETLBTEXTLEN, i, 0) + 1, L'\0');
        item.resize(SendMessageW(types, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data())));
        seen->filters.push_back(item);
      }
    }
    if (!name.empty()) SetWindowTextW(fileNameBox(dialog), name.c_str());
    pressButton(dialog, ok ? IDOK : IDCANCEL);
    return true;
  };
}

// The template editor's property sheet: `act` works on it (the sheet's window), then the
// sheet is closed with OK (IDOK) or Cancel (IDCANCEL) as its buttons do.
inline ModalStep answerPropertySheet(int button, std::function<void(HWND)> act = {}) {
  return [=] {
    HWND sheet = findDialogTitled(L"应用程序模板");
    if (!sheet || !IsWindowEnabled(sheet)) return false;
    if (act) act(sheet);
    PropSheet_PressButton(sheet, button == IDOK ? PSBTN_OK : PSBTN_CANCEL);
    return true;
  };
}

// Runs `action` and takes `steps` in order from inside its modal loops. A dialog that turns
// up after the last step is cancelled and counted in `unexpected`, so that a wrong extra
// question fails the test instead of hanging it. Returns how many steps were taken.
inline std::size_t runModalSteps(const std::vector<ModalStep>& steps, const std::function<void()>& action,
                                 int* unexpected = nullptr) {
  std::size_t next = 0;
  whileModal(
      [&] {
        if (next < steps.size()) {
          if (steps[next]()) ++next;
        } else if (HWND extra = findThreadWindow(L"#32770")) {
          if (unexpected) ++*unexpected;
          pressButton(extra, GetDlgItem(extra, IDCANCEL) ? IDCANCEL : IDOK);
        }
        return false;
      },
      action);
  return next;
}

}  // namespace k60::shell::testsupport

// ---- Popup menus opened by the terminal face ----

namespace k60::shell::testsupport {

// Runs `action`; when it opens a popup menu, records the menu's screen rectangle and closes it
// without a choice. True when a menu was shown. An action that opens no menu returns at once.
inline bool closePopupMenuOpenedBy(const std::function<void()>& action, RECT* menuRect = nullptr) {
  bool shown = false;
  whileModal(
      [&] {
        HWND menu = findThreadWindow(L"#32768");
        if (!menu) return false;
        shown = true;
        if (menuRect) GetWindowRect(menu, menuRect);
        EndMenu();
        return true;
      },
      action);
  return shown;
}

}  // namespace k60::shell::testsupport
