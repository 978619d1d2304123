// Record lines of a collection: the line buffer, the record checksum and what to answer.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace k60::link {

// Bytes of one line as they arrive: the first 255 are kept, later ones are dropped until the
// CR, which still ends the line.
class LineBuffer {
 public:
  static constexpr std::size_t kKept = 255;

  // Takes one byte; true when it is the CR that ends the line.
  bool take(std::uint8_t byte);
  void clear();
  std::span<const std::uint8_t> bytes() const { return {bytes_.data(), size_}; }
  // True when bytes of this line were dropped.
  bool overflowed() const { return overflowed_; }

 private:
  std::array<std::uint8_t, kKept> bytes_{};
  std::size_t size_ = 0;
  bool overflowed_ = false;
};

// The checksum bytes (low, high) of a record as the terminal sends them: the sum modulo
// 65536 of the sequence byte and the data, each byte that is 0x0D sent as 0x0E.
std::array<std::uint8_t, 2> recordChecksum(std::uint8_t sequence, std::span<const std::uint8_t> data);

enum class LineVerdict {
  Over,    // "OVER\r": no records left
  Accept,  // the expected record, intact: store it, answer "ACK\r"
  Repeat,  // the record accepted last, intact: answer "ACK\r", store nothing
  Reject,  // anything else: answer "NAK\r"
};

// What to do with a CR-ended line while `expected` (0..9) is the next sequence number.
LineVerdict judgeLine(const LineBuffer& line, int expected);

// True for a record line that arrived whole and whose checksum matches.
bool intactRecord(const LineBuffer& line);

// The data bytes of an intact record line (sequence, data, checksum low, high, CR).
std::span<const std::uint8_t> recordData(const LineBuffer& line);

}  // namespace k60::link
