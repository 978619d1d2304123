// Record lines of a collection: the line buffer, the record checksum and what to answer.
#include "link/record_line.h"

#include <algorithm>

#include "link/link_messages.h"

namespace k60::link {
namespace {

constexpr std::uint8_t kCr = 0x0D;
// Sequence byte, checksum low, checksum high, CR.
constexpr std::size_t kShortestRecord = 4;

std::uint8_t sentAs(std::uint8_t checksumByte) { return checksumByte == kCr ? 0x0E : checksumByte; }

bool isOver(std::span<const std::uint8_t> line) {
  return std::ranges::equal(line, text::kOver, [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); });
}

}  // namespace

bool intactRecord(const LineBuffer& line) {
  const auto bytes = line.bytes();
  if (line.overflowed() || bytes.size() < kShortestRecord) return false;
  const auto sum = recordChecksum(bytes[0], recordData(line));
  return sum[0] == bytes[bytes.size() - 3] && sum[1] == bytes[bytes.size() - 2];
}

bool LineBuffer::take(std::uint8_t byte) {
  if (size_ < kKept)
    bytes_[size_++] = byte;
  else
    overflowed_ = true;
  return byte == kCr;
}

void LineBuffer::clear() {
  size_ = 0;
  overflowed_ = false;
}

std::array<std::uint8_t, 2> recordChecksum(std::uint8_t sequence, std::span<const std::uint8_t> data) {
  std::uint16_t sum = sequence;
  for (std::uint8_t b : data) sum = static_cast<std::uint16_t>(sum + b);
  return {sentAs(static_cast<std::uint8_t>(sum & 0xFF)), sentAs(static_cast<std::uint8_t>(sum >> 8))};
}

std::span<const std::uint8_t> recordData(const LineBuffer& line) {
  const auto bytes = line.bytes();
  if (bytes.size() < kShortestRecord) return {};
  return bytes.subspan(1, bytes.size() - kShortestRecord);
}

// A line cut short by the buffer is never accepted: its record data would be incomplete.
// A repeat is acknowledged only when intact, so that a damaged line of the next record is
// not taken for a repeat and lost.
LineVerdict judgeLine(const LineBuffer& line, int expected) {
  const auto bytes = line.bytes();
  if (!line.overflowed() && isOver(bytes)) return LineVerdict::Over;
  if (!intactRecord(line)) return LineVerdict::Reject;
  if (bytes[0] == expected) return LineVerdict::Accept;
  if (bytes[0] == (expected + 9) % 10) return LineVerdict::Repeat;
  return LineVerdict::Reject;
}

}  // namespace k60::link
