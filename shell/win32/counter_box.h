// The counter box of a collection: "接收到的数据 : n" in a small yellow box in the middle of
// the screen, over every window.
#pragma once

#include <windows.h>

#include <string>

namespace k60::shell {

// Built as a topmost, borderless window that never takes the focus rather than by drawing
// on the screen's device context: under a compositing window manager a screen DC draw is
// not reliably seen, and the window puts back what it covered without a saved copy.
class CounterBox {
 public:
  // `text` is the process's status text: it sizes the box and is updated by show().
  explicit CounterBox(std::wstring& text) : text_(text) {}
  ~CounterBox() { close(); }
  CounterBox(const CounterBox&) = delete;
  CounterBox& operator=(const CounterBox&) = delete;

  // Sizes and places the box (the text as it stands, plus 20 by 40 pixels, centred on the
  // screen); nothing is shown yet.
  void open(HINSTANCE instance);
  // Shows "接收到的数据 : n".
  void show(int records);
  void close();

  HWND window() const { return window_; }

 private:
  std::wstring& text_;
  HWND window_ = nullptr;
};

}  // namespace k60::shell
