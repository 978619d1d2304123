// The terminal-face window. For now it paints a stand-in for the terminal picture; what it
// already does for real is show the command menu on a right-click.
#include "simulator/win32/face_window.h"

#include <windowsx.h>


namespace k60::sim {
namespace {

struct FaceWindow {
  FaceWindowParams params;
  HMENU menuBar = nullptr;  // PopMenuK60; its first popup is the command menu
};

FaceWindow* faceOf(HWND hwnd) {
  return reinterpret_cast<FaceWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

// One paint function for WM_PAINT and WM_PRINTCLIENT.
void paint(HDC dc, const RECT& client) {
  HBRUSH body = CreateSolidBrush(RGB(0x2f, 0x3b, 0x4c));
  FillRect(dc, &client, body);
  DeleteObject(body);

  RECT lcd = {18, 60, client.right - 18, 190};
  HBRUSH lcdBrush = CreateSolidBrush(RGB(0xa8, 0xd0, 0x8d));
  FillRect(dc, &lcd, lcdBrush);
  DeleteObject(lcdBrush);

  HFONT font = CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           FIXED_PITCH | FF_MODERN, L"宋体");
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0x1e, 0x2a, 0x1a));
  DrawTextW(dc, L"K60", -1, &lcd, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, oldFont);
  DeleteObject(font);
}

void showCommandMenu(const FaceWindow& face, HWND hwnd, POINT clientPoint) {
  HMENU commands = GetSubMenu(face.menuBar, 0);
  if (!commands) return;
  POINT at = clientPoint;
  ClientToScreen(hwnd, &at);
  // Owned by the main window, so the chosen command arrives there as WM_COMMAND.
  TrackPopupMenu(commands, 0, at.x, at.y, 0, GetParent(hwnd), nullptr);
}

}  // namespace

LRESULT CALLBACK faceWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* params = static_cast<FaceWindowParams*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new FaceWindow{*params}));
    return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
  FaceWindow* face = faceOf(hwnd);
  if (!face) return DefWindowProcW(hwnd, msg, wParam, lParam);

  switch (msg) {
    case WM_CREATE:
      face->menuBar = LoadMenuW(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd, GWLP_HINSTANCE)), L"PopMenuK60");
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      RECT client;
      GetClientRect(hwnd, &client);
      paint(dc, client);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_PRINTCLIENT: {
      RECT client;
      GetClientRect(hwnd, &client);
      paint(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    case WM_RBUTTONDOWN:
      showCommandMenu(*face, hwnd, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_DESTROY:
      if (face->menuBar) DestroyMenu(face->menuBar);
      face->menuBar = nullptr;
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      delete face;
      break;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

Simulator* faceSimulator(HWND) { return nullptr; }

}  // namespace k60::sim
