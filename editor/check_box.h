// The check box that flips a byte: the page keeps the mark itself, and a damaged byte
// (anything but 0 or 1) reads as checked and flips to 0.
#pragma once

#include <cstdint>

namespace k60::editor {

// Returns the new mark.
inline bool flipByte(std::uint8_t& byte) {
  byte = byte == 0 ? 1 : 0;
  return byte != 0;
}

}  // namespace k60::editor
