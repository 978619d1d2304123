// The terminal's view of the wire formats: program blocks, lookup line blocks, record lines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "link/program_image.h"

namespace k60::link::peer {

using Bytes = std::vector<std::uint8_t>;

using link::kProgramBlockCount;
using link::kProgramBlockData;
using link::kProgramBlockSize;
inline constexpr std::size_t kMaxRecordData = 251;

// A checksum byte as it travels: 0x0D would end the line, so it is sent as 0x0E.
inline std::uint8_t escapeCr(std::uint8_t b) { return b == 0x0D ? 0x0E : b; }

inline Bytes bytesOf(std::string_view s) { return Bytes(s.begin(), s.end()); }
inline bool equals(std::span<const std::uint8_t> bytes, std::string_view text) {
  return std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()) == text;
}

// True when the 103 bytes carry a correct sum of their 100 data bytes.
bool programBlockChecksumOk(std::span<const std::uint8_t> block);

// The line text of a lookup line block (line bytes, sum high, sum low, CR) whose checksum
// matches; nothing for a block that is too short or damaged.
std::optional<Bytes> lookupLineText(std::span<const std::uint8_t> block);

// A record line: sequence byte, data, sum low, sum high, CR. `corrupt` sends a wrong sum.
Bytes recordLine(int sequence, std::span<const std::uint8_t> data, bool corrupt = false);

}  // namespace k60::link::peer
