// The lookup file on the PC side: reading it whole, checking its lines, and line blocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace k60::link {

// A line block is the line, two checksum bytes and CR in a 256-byte send buffer.
inline constexpr std::size_t kMaxLookupLineBytes = 253;

// The whole file at `path` (UTF-8); nothing when it cannot be opened or read.
std::optional<std::vector<std::uint8_t>> readLookupFile(const std::string& path);

// The number (from 1) of the first line longer than 253 bytes, counting the line bytes as
// they are sent: CR ends a line, LF bytes are dropped. 0 when every line fits.
std::size_t firstOverlongLine(std::span<const std::uint8_t> file);

// The block of one line (without CR or LF bytes): the line, the checksum's high and low
// bytes (each 0x0D sent as 0x0E), CR.
std::vector<std::uint8_t> lineBlock(std::span<const std::uint8_t> line);

// The message that refuses a file whose line `lineNumber` is too long.
std::string overlongLineMessage(std::size_t lineNumber);

}  // namespace k60::link
