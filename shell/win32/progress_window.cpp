// The progress window: a dialog resource plus a progress bar placed in its lower half.
#include "shell/win32/progress_window.h"

#include <commctrl.h>

namespace k60::shell {
namespace {

INT_PTR CALLBACK progressProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// Redraws what changed now: no messages are dispatched while the transfer runs.
void drawNow(HWND window) { UpdateWindow(window); }

}  // namespace

void ProgressWindow::open(HINSTANCE instance) {
  close();
  // The bar's class is registered by the common controls.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  dialog_ = CreateDialogParamW(instance, L"ProgressDlg", nullptr, progressProc, 0);
  if (!dialog_) return;
  RECT client{};
  GetClientRect(dialog_, &client);
  bar_ = CreateWindowExW(0, PROGRESS_CLASSW, L"Downloading", WS_CHILD | WS_VISIBLE, 14, client.bottom / 2,
                         client.right - 28, 20, dialog_, nullptr, instance, nullptr);
  SendMessageW(bar_, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
  SendMessageW(bar_, PBM_SETPOS, 0, 0);
  ShowWindow(dialog_, SW_SHOW);
  drawNow(dialog_);
}

void ProgressWindow::set(int position) {
  if (!bar_) return;
  SendMessageW(bar_, PBM_SETPOS, static_cast<WPARAM>(position), 0);
  drawNow(bar_);
}

void ProgressWindow::close() {
  if (dialog_) DestroyWindow(dialog_);  // destroys the bar with it
  dialog_ = nullptr;
  bar_ = nullptr;
}

}  // namespace k60::shell
