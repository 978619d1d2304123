// Converting LCD lines from GB2312 one character at a time, keeping each one's cell width.
#include "simulator/win32/lcd_text.h"

#include "simulator/lcd_geometry.h"
#include "template/gb_text.h"

namespace k60::sim {

LcdText lcdText(std::string_view gb) {
  constexpr UINT kGb2312CodePage = 936;
  LcdText out;
  for (std::size_t i = 0; i < gb.size();) {
    const bool pair = isLeadByte(static_cast<std::uint8_t>(gb[i])) && i + 1 < gb.size();
    int bytes = pair ? 2 : 1;
    wchar_t wide[2] = {};
    const int n = MultiByteToWideChar(kGb2312CodePage, MB_ERR_INVALID_CHARS, gb.data() + i, bytes, wide, 2);
    // A pair that does not decode shows its first byte as '?' and its second byte on its
    // own: damaged text must not swallow the character after it.
    if (n != 1) bytes = 1;
    out.text.push_back(n == 1 ? wide[0] : L'?');
    out.dx.push_back(kCellWidth * bytes);
    i += static_cast<std::size_t>(bytes);
  }
  return out;
}

}  // namespace k60::sim
