// The counter box window: a yellow rectangle with a black frame and the text centred in it.
#include "shell/win32/counter_box.h"

#include <cwchar>

#include "ui/win32/window_data.h"

namespace k60::shell {
namespace {

constexpr wchar_t kClassName[] = L"K60CounterBox";
constexpr COLORREF kFill = RGB(255, 255, 100);
constexpr int kHeight = 40;

LRESULT CALLBACK counterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  RECT r{};
  GetClientRect(window, &r);
  // The screen's own font and colours, as the box drawn straight onto the screen had.
  SelectObject(dc, GetStockObject(SYSTEM_FONT));
  SelectObject(dc, GetStockObject(BLACK_PEN));
  HBRUSH fill = CreateSolidBrush(kFill);
  HGDIOBJ old = SelectObject(dc, fill);
  Rectangle(dc, r.left, r.top, r.right, r.bottom);
  SelectObject(dc, old);
  DeleteObject(fill);
  std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
  text.resize(GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  EndPaint(window, &ps);
  return 0;
}

// The width of the text in the screen's font.
int textWidth(const std::wstring& text) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, GetStockObject(SYSTEM_FONT));
  SIZE size{};
  GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return size.cx;
}

}  // namespace

void CounterBox::open(HINSTANCE instance) {
  close();
  ui::registerWindowClass(instance, kClassName, counterProc, nullptr);  // fails harmlessly when already registered
  const int width = textWidth(text_) + 20;
  const int cx = GetSystemMetrics(SM_CXSCREEN) / 2;
  const int cy = GetSystemMetrics(SM_CYSCREEN) / 2;
  window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClassName, text_.c_str(),
                            WS_POPUP, cx - width / 2, cy - kHeight / 2, width, kHeight, nullptr, nullptr,
                            instance, nullptr);
}

void CounterBox::show(int records) {
  wchar_t text[64];
  std::swprintf(text, 64, L"接收到的数据 : %d", records);
  text_ = text;
  if (!window_) return;
  SetWindowTextW(window_, text);
  ShowWindow(window_, SW_SHOWNOACTIVATE);
  InvalidateRect(window_, nullptr, FALSE);
  // No messages are dispatched while records arrive: draw now.
  UpdateWindow(window_);
}

void CounterBox::close() {
  if (window_) DestroyWindow(window_);
  window_ = nullptr;
}

}  // namespace k60::shell
