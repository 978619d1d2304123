// GB2312 (code page 936) text helpers: byte cuts that keep double-byte characters whole,
// fixed-size slot access, and conversion to and from UTF-8 and UTF-16.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace k60 {

// A byte at or above 0x81 starts a double-byte character in code page 936.
constexpr bool isLeadByte(std::uint8_t b) { return b >= 0x81; }

// Length of the longest prefix of `text` that is at most `maxBytes` long and does not end
// in the middle of a double-byte character. A lone lead byte at the end counts as one byte.
std::size_t cutLength(std::string_view text, std::size_t maxBytes);

inline std::string_view cutText(std::string_view text, std::size_t maxBytes) {
  return text.substr(0, cutLength(text, maxBytes));
}

// The text held in a slot: up to its NUL, or the whole slot when it has none.
std::string readSlot(std::span<const std::uint8_t> slot);

// Writes `text` cut to `maxText` bytes (and never more than the slot) into the slot, followed
// by a NUL when it is shorter than the slot. Bytes after the terminator keep their value.
// Returns the number of text bytes stored.
std::size_t writeSlot(std::span<std::uint8_t> slot, std::string_view text, std::size_t maxText);

// Writes exactly `text` (already known to fit) and its NUL, as the resets do.
void writeSlotExact(std::span<std::uint8_t> slot, std::string_view text);

// Conversions at the user-interface edge. GB2312 bytes that do not decode become U+FFFD;
// UTF-8 or UTF-16 text with a character outside code page 936 gives no result.
std::string gbToUtf8(std::string_view gb);
std::optional<std::string> utf8ToGb(std::string_view utf8);
std::u16string gbToUtf16(std::string_view gb);
std::optional<std::string> utf16ToGb(std::u16string_view utf16);

}  // namespace k60
