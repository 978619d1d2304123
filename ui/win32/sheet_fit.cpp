// Growing a property sheet to its pages.
#include "ui/win32/sheet_fit.h"

#include <commctrl.h>
#include <prsht.h>

#include <algorithm>

namespace k60::ui {
namespace {

constexpr int kApplyButton = 0x3021;  // the sheet's own id for Apply

RECT windowRectIn(HWND w, HWND parent) {
  RECT r;
  GetWindowRect(w, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void resize(HWND w, int width, int height) {
  SetWindowPos(w, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT displayArea(HWND sheet, HWND tabs) {
  RECT area = windowRectIn(tabs, sheet);
  TabCtrl_AdjustRect(tabs, FALSE, &area);
  return area;
}

// A grown sheet may reach past the screen's edge: it moves back inside the work area.
void keepOnScreen(HWND sheet) {
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromWindow(sheet, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const RECT& work = monitor.rcWork;
  RECT r;
  GetWindowRect(sheet, &r);
  const int x = std::max(work.left, std::min(r.left, work.right - (r.right - r.left)));
  const int y = std::max(work.top, std::min(r.top, work.bottom - (r.bottom - r.top)));
  if (x != r.left || y != r.top) SetWindowPos(sheet, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void fitSheetToPage(HWND sheet, HWND page, SIZE pageSize) {
  HWND tabs = PropSheet_GetTabControl(sheet);
  if (!tabs) return;
  RECT shown = displayArea(sheet, tabs);
  const int dx = std::max(0L, pageSize.cx - (shown.right - shown.left));
  const int dy = std::max(0L, pageSize.cy - (shown.bottom - shown.top));
  if (dx > 0 || dy > 0) {
    RECT r;
    GetWindowRect(sheet, &r);
    resize(sheet, r.right - r.left + dx, r.bottom - r.top + dy);
    r = windowRectIn(tabs, sheet);
    resize(tabs, r.right - r.left + dx, r.bottom - r.top + dy);
    for (int id : {IDOK, IDCANCEL, IDHELP, kApplyButton}) {
      HWND button = GetDlgItem(sheet, id);
      if (!button) continue;
      r = windowRectIn(button, sheet);
      SetWindowPos(button, nullptr, r.left + dx, r.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    shown = displayArea(sheet, tabs);
    keepOnScreen(sheet);
  }
  const RECT at = windowRectIn(page, sheet);
  if (at.right - at.left != shown.right - shown.left || at.bottom - at.top != shown.bottom - shown.top)
    resize(page, shown.right - shown.left, shown.bottom - shown.top);
}

}  // namespace k60::ui
