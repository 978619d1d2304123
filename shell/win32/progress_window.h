// ProgressDlg: the modeless "进行中" window with a progress bar, shown during one download attempt.
#pragma once

#include <windows.h>

namespace k60::shell {

class ProgressWindow {
 public:
  ProgressWindow() = default;
  ~ProgressWindow() { close(); }
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  // Creates the dialog (no owner) and its bar at position 0, and draws them at once: no
  // messages are dispatched while the transfer runs.
  void open(HINSTANCE instance);
  // Positions above 100 show a full bar.
  void set(int position);
  void close();

  HWND dialog() const { return dialog_; }
  HWND bar() const { return bar_; }

 private:
  HWND dialog_ = nullptr;
  HWND bar_ = nullptr;
};

}  // namespace k60::shell
