// Creating the LCD font, with a fallback when the font mapper substitutes for "Elite".
#include "simulator/win32/lcd_font.h"

namespace k60::sim {
namespace {

constexpr wchar_t kEliteFace[] = L"Elite";

// The terminal's font: proof quality, fixed pitch, modern family (0x31), character set 0.
HFONT createElite() {
  return CreateFontW(15, 6, 0, 0, 400, FALSE, FALSE, FALSE, 0, 0, 0, 2, 0x31, kEliteFace);
}

// Without "Elite" (an ANSI-only face) Chinese prompts need a GB2312 font. Asking for NSimSun
// lets the font mapper pick the system's fixed-pitch Chinese face. A 10-pixel character
// height fills the LCD rows: a Chinese glyph takes two cells (12 x 10), an ASCII one 6 x 10.
// Smoothed glyphs this small come out grey and faint on the cyan LCD: draw them solid.
HFONT createFallback() {
  constexpr int kCharacterHeight = -10;
  return CreateFontW(kCharacterHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                     FIXED_PITCH | FF_MODERN, L"NSimSun");
}

}  // namespace

std::wstring realFontFace(HFONT font) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  SelectObject(dc, old);
  DeleteDC(dc);
  return face;
}

HFONT createLcdFont() {
  if (HFONT elite = createElite()) {
    if (lstrcmpiW(realFontFace(elite).c_str(), kEliteFace) == 0) return elite;
    DeleteObject(elite);
  }
  return createFallback();
}

}  // namespace k60::sim
