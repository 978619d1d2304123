// Blits, LCD text and the paint of the whole terminal face.
#include "simulator/win32/face_paint.h"

#include "simulator/face_bitmaps.h"
#include "simulator/keypad.h"
#include "simulator/keypad_hit_test.h"
#include "simulator/win32/face_window_data.h"
#include "simulator/win32/lcd_text.h"

namespace k60::sim {
namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);

// Selects the LCD font and the transparent mode for its lifetime; restores both after.
class LcdTextMode {
 public:
  LcdTextMode(HDC dc, HFONT font) : dc_(dc), oldFont_(font ? SelectObject(dc, font) : nullptr),
                                    oldMode_(SetBkMode(dc, TRANSPARENT)) {}
  ~LcdTextMode() {
    SetBkMode(dc_, oldMode_);
    if (oldFont_) SelectObject(dc_, oldFont_);
  }
  LcdTextMode(const LcdTextMode&) = delete;
  LcdTextMode& operator=(const LcdTextMode&) = delete;

 private:
  HDC dc_;
  HGDIOBJ oldFont_;
  int oldMode_;
};

void drawText(HDC dc, const LcdDraw& d) {
  const LcdText t = lcdText(d.gb);
  SetTextColor(dc, d.white ? kWhite : kBlack);
  ExtTextOutW(dc, d.at.x, d.at.y, 0, nullptr, t.text.c_str(), static_cast<UINT>(t.text.size()), t.dx.data());
  SetTextColor(dc, kBlack);
}

// Without the face picture (resources not built in) the LCD text still needs a clean ground.
void drawFacePicture(HDC dc, HBITMAP face) {
  if (face) {
    blit(dc, face, 0, 0);
    return;
  }
  const RECT all = {0, 0, kFaceWidth, kFaceHeight};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

}  // namespace

void blit(HDC dc, HBITMAP bitmap, int x, int y) {
  if (!bitmap) return;
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BITMAP info = {};
  GetObjectW(bitmap, sizeof info, &info);
  BitBlt(dc, x, y, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
}

void drawLcd(HDC dc, const FaceBitmapTable& bitmaps, const std::vector<LcdDraw>& draws) {
  for (const LcdDraw& d : draws) {
    if (d.kind == LcdDraw::Kind::Bitmap)
      blit(dc, bitmaps.get(d.bitmap), d.at.x, d.at.y);
    else
      drawText(dc, d);
  }
}

void paintFace(HDC dc, const FaceWindow& face) {
  drawFacePicture(dc, face.bitmaps.get(kFaceBitmap));
  for (int key = 1; key <= kKeyCount; ++key) {
    const bool held = face.mouse.keyPressed && face.mouse.hitKey == key;
    const PixelPoint at = keyTopLeft(key);
    blit(dc, face.bitmaps.get(held ? pressedKeyBitmap(key) : releasedKeyBitmap(key)), at.x, at.y);
  }
  LcdTextMode mode(dc, face.font);
  drawLcd(dc, face.bitmaps, lcdPaint(face.simulator));
}

void drawDirect(const FaceWindow& face, const std::vector<LcdDraw>& draws) {
  HDC dc = GetDC(face.hwnd);
  {
    LcdTextMode mode(dc, face.font);
    drawLcd(dc, face.bitmaps, draws);
  }
  ReleaseDC(face.hwnd, dc);
}

}  // namespace k60::sim
