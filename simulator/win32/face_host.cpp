// What the simulator asks of the terminal-face window, done with GDI and USER calls.
#include "simulator/win32/face_host.h"

#include <string>

#include "resources/resource_ids.h"
#include "simulator/face_bitmaps.h"
#include "simulator/lcd_paint.h"
#include "simulator/simulator_texts.h"
#include "simulator/win32/face_mouse.h"
#include "simulator/win32/face_paint.h"
#include "simulator/win32/face_window_data.h"
#include "ui/win32/message_box.h"

namespace k60::sim {
namespace {

// The background is the face picture under it: invalidate without erasing.
void invalidate(HWND hwnd, const PixelRect& r) {
  const RECT rect = {r.left, r.top, r.right, r.bottom};
  InvalidateRect(hwnd, &rect, FALSE);
}

}  // namespace

void FaceHost::invalidateWholeLcd() { invalidate(face_.hwnd, kWholeLcd); }
void FaceHost::invalidateUpperLcd() { invalidate(face_.hwnd, kUpperLcd); }
void FaceHost::invalidateRow(int row) { invalidate(face_.hwnd, rowArea(row)); }

void FaceHost::alphaModeChanged(bool on) {
  HDC dc = GetDC(face_.hwnd);
  blit(dc, face_.bitmaps.get(on ? kAlphaOnBitmap : kAlphaOffBitmap), kAlphaIndicator.x, kAlphaIndicator.y);
  ReleaseDC(face_.hwnd, dc);
}

void FaceHost::drawStatusLine(std::string_view gb) {
  drawDirect(face_, statusLinePaint(std::string(gb)));
}

void FaceHost::pendingLetterShown(char letter, int row, int column) {
  pendingRow_ = row;
  drawDirect(face_, pendingLetterPaint(letter, row, column));
}

// A letter that its line did not take (a line of maximum length 0) would otherwise stay
// drawn over the cursor until some later repaint.
void FaceHost::pendingLetterCleared() {
  if (pendingRow_ >= 0) invalidateRow(pendingRow_);
  pendingRow_ = -1;
}

void FaceHost::showNoProgramMessage(std::string_view text, std::string_view caption) {
  ui::messageBox(GetParent(face_.hwnd), text, caption, MB_OK | MB_ICONWARNING);
}

// The key press that led here may never see its button release: end it now.
void FaceHost::postNewCommand() {
  if (GetCapture() == face_.hwnd) ReleaseCapture();
  onCaptureLost(face_);
  PostMessageW(GetParent(face_.hwnd), WM_COMMAND, IDM_NEW, 0);
}

}  // namespace k60::sim
