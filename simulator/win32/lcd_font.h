// The LCD font: the terminal's own "Elite" face when the system has it, else a fixed-pitch
// font with Chinese glyphs sized for the 6 x 10 pixel cells.
#pragma once

#include <windows.h>

#include <string>

namespace k60::sim {

// The caller owns the font (DeleteObject).
HFONT createLcdFont();

// The face name the system really gave for `font` (the font mapper may substitute).
std::wstring realFontFace(HFONT font);

}  // namespace k60::sim
