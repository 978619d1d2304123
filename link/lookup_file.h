// The lookup file on the PC side: reading it whole, its lines, their checks and encoding,
// and line blocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace k60::link {

// A line block is the line, two checksum bytes and CR in a 256-byte send buffer.
inline constexpr std::size_t kMaxLookupLineBytes = 253;

// The whole file at `path` (UTF-8); nothing when it cannot be opened or read.
std::optional<std::vector<std::uint8_t>> readLookupFile(const std::string& path);

// Where a lookup file's lines end. A line ends at a CR, or at an LF that does not follow a
// CR: files with CR LF or CR endings keep their lines exactly, and a file with bare LF
// endings (as Unix tools write it) is not joined into one line.
class LookupLineEnds {
 public:
  enum class Byte { Text, LineEnd, Skipped };  // Skipped: the LF of a CR LF pair
  Byte classify(std::uint8_t b) {
    const bool afterCr = afterCr_;
    afterCr_ = b == 0x0D;
    if (b == 0x0D) return Byte::LineEnd;
    if (b == 0x0A) return afterCr ? Byte::Skipped : Byte::LineEnd;
    return Byte::Text;
  }

 private:
  bool afterCr_ = false;
};

// The lines of a file as they are sent, without their ends; a last line without an end is
// a line when it has at least one byte.
std::vector<std::vector<std::uint8_t>> lookupLines(std::span<const std::uint8_t> file);

// The number (from 1) of the first line longer than 253 bytes. 0 when every line fits.
std::size_t firstOverlongLine(std::span<const std::uint8_t> file);

// GB2312 text: single bytes below 0x80, and byte pairs whose both bytes lie in 0xA1..0xFE
// with the first at most 0xF7.
bool isGb2312Text(std::span<const std::uint8_t> text);
// Well-formed UTF-8 (no overlong forms, surrogates or values above U+10FFFF).
bool isUtf8Text(std::span<const std::uint8_t> text);

// The number (from 1) of the first line that is not GB2312 text, in a file that is UTF-8
// text throughout: such a file would show garbage on the terminal. 0 for any other file.
std::size_t firstUtf8OnlyLine(std::span<const std::uint8_t> file);

// A UTF-8 lookup file converted to GB2312 line by line, every line end kept as it was (a
// leading byte order mark is dropped). `failedLine` (from 1) names the first line that is
// not UTF-8 or holds a character without a GB2312 form; `bytes` is then incomplete.
struct LookupConversion {
  std::vector<std::uint8_t> bytes;
  std::size_t failedLine = 0;
};
LookupConversion convertUtf8LookupFile(std::span<const std::uint8_t> file);

// The block of one line (without its end): the line, the checksum's high and low bytes
// (each 0x0D sent as 0x0E), CR.
std::vector<std::uint8_t> lineBlock(std::span<const std::uint8_t> line);

// A message format with one "%d" filled in with a line number.
std::string lineMessage(std::string_view format, std::size_t lineNumber);

// The message that refuses a file whose line `lineNumber` is too long.
std::string overlongLineMessage(std::size_t lineNumber);

}  // namespace k60::link
