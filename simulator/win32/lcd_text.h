// LCD text for ExtTextOutW: GB2312 bytes as UTF-16 with the advance of each character, so
// that every character lands in its LCD cells whatever the font's own widths are.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace k60::sim {

struct LcdText {
  std::wstring text;
  std::vector<INT> dx;  // one entry per UTF-16 unit: 6 px per byte of its GB2312 character
};

// A lead byte whose pair code page 936 does not decode, or one cut off at the end, shows as
// '?' in one cell; the byte after it is read on its own.
LcdText lcdText(std::string_view gb);

}  // namespace k60::sim
