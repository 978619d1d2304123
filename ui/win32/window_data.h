// The object behind a window or a dialog, kept in the window itself, never in a global; and
// the window classes that hold such objects.
#pragma once

#include <windows.h>

namespace k60::ui {

// A window's object lives in GWLP_USERDATA; a dialog's in DWLP_USER, because a dialog
// class may use the window's own user data.
template <class T>
void bindWindowData(HWND hwnd, T* data) {
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(data));
}

template <class T>
T* windowData(HWND hwnd) {
  return reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

template <class T>
void bindDialogData(HWND dialog, T* data) {
  SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(data));
}

// A window class that redraws on resizing, with the arrow cursor.
inline bool registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc, HBRUSH background,
                                HICON icon = nullptr) {
  WNDCLASSEXW c = {sizeof c};
  c.style = CS_HREDRAW | CS_VREDRAW;
  c.lpfnWndProc = proc;
  c.hInstance = instance;
  c.hIcon = icon;
  c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  c.hbrBackground = background;
  c.lpszClassName = name;
  return RegisterClassExW(&c) != 0;
}

template <class T>
T* dialogData(HWND dialog) {
  return reinterpret_cast<T*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

}  // namespace k60::ui
