// Byte cuts and slot access for GB2312 texts; conversions live in the platform files.
#include "template/gb_text.h"

#include <algorithm>
#include <cstring>

namespace k60 {

std::size_t cutLength(std::string_view text, std::size_t maxBytes) {
  std::size_t i = 0;
  const std::size_t n = std::min(text.size(), maxBytes);
  while (i < n) {
    const bool wide = isLeadByte(static_cast<std::uint8_t>(text[i])) && i + 1 < text.size();
    const std::size_t width = wide ? 2 : 1;
    if (i + width > n) break;
    i += width;
  }
  return i;
}

std::string readSlot(std::span<const std::uint8_t> slot) {
  const auto end = std::find(slot.begin(), slot.end(), std::uint8_t{0});
  return std::string(slot.begin(), end);
}

std::size_t writeSlot(std::span<std::uint8_t> slot, std::string_view text, std::size_t maxText) {
  const std::size_t n = cutLength(text, std::min(maxText, slot.size()));
  std::memcpy(slot.data(), text.data(), n);
  if (n < slot.size()) slot[n] = 0;
  return n;
}

void writeSlotExact(std::span<std::uint8_t> slot, std::string_view text) {
  writeSlot(slot, text, slot.size() - 1);
}

}  // namespace k60
