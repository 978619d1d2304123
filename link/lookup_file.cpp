// Reading and checking a lookup file, its encoding, and the line blocks it is sent as.
#include "link/lookup_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "link/link_messages.h"
#include "template/gb_text.h"

namespace k60::link {
namespace {

constexpr std::uint8_t kCr = 0x0D;

// A checksum byte may not look like the CR that ends the block.
std::uint8_t notCr(unsigned value) {
  const auto b = static_cast<std::uint8_t>(value);
  return b == kCr ? 0x0E : b;
}

// Calls `line(bytes)` for every line as it is sent and `end(b)` for every CR or LF byte.
template <typename OnLine, typename OnEnd>
void walkLines(std::span<const std::uint8_t> file, OnLine line, OnEnd end) {
  LookupLineEnds ends;
  std::size_t start = 0;
  for (std::size_t i = 0; i < file.size(); ++i) {
    const auto kind = ends.classify(file[i]);
    if (kind == LookupLineEnds::Byte::Text) continue;
    if (kind == LookupLineEnds::Byte::LineEnd) line(file.subspan(start, i - start));
    end(file[i]);
    start = i + 1;
  }
  if (start < file.size()) line(file.subspan(start));
}

bool inRange(std::uint8_t b, std::uint8_t low, std::uint8_t high) { return b >= low && b <= high; }

}  // namespace

std::optional<std::vector<std::uint8_t>> readLookupFile(const std::string& path) {
  // A path object from UTF-8 so that the name is not read in the ANSI code page on Windows.
  const std::filesystem::path name(
      std::u8string(reinterpret_cast<const char8_t*>(path.data()), path.size()));
  std::error_code error;
  if (std::filesystem::is_directory(name, error)) return std::nullopt;
  std::ifstream in(name, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return bytes;
}

std::vector<std::vector<std::uint8_t>> lookupLines(std::span<const std::uint8_t> file) {
  std::vector<std::vector<std::uint8_t>> lines;
  walkLines(file, [&](auto line) { lines.emplace_back(line.begin(), line.end()); }, [](std::uint8_t) {});
  return lines;
}

std::size_t firstOverlongLine(std::span<const std::uint8_t> file) {
  std::size_t number = 0, found = 0;
  walkLines(file, [&](auto line) {
    ++number;
    if (found == 0 && line.size() > kMaxLookupLineBytes) found = number;
  }, [](std::uint8_t) {});
  return found;
}

bool isGb2312Text(std::span<const std::uint8_t> text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] < 0x80) continue;
    if (!inRange(text[i], 0xA1, 0xF7) || i + 1 >= text.size() || !inRange(text[i + 1], 0xA1, 0xFE))
      return false;
    ++i;
  }
  return true;
}

bool isUtf8Text(std::span<const std::uint8_t> text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::uint8_t b = text[i];
    std::size_t length = 0;
    std::uint8_t low = 0x80, high = 0xBF;  // the allowed range of the second byte
    if (b < 0x80) length = 1;
    else if (inRange(b, 0xC2, 0xDF)) length = 2;
    else if (inRange(b, 0xE0, 0xEF)) {
      length = 3;
      if (b == 0xE0) low = 0xA0;   // overlong below U+0800
      if (b == 0xED) high = 0x9F;  // surrogates
    } else if (inRange(b, 0xF0, 0xF4)) {
      length = 4;
      if (b == 0xF0) low = 0x90;   // overlong below U+10000
      if (b == 0xF4) high = 0x8F;  // above U+10FFFF
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const std::uint8_t c = text[i + k];
      if (k == 1 ? !inRange(c, low, high) : !inRange(c, 0x80, 0xBF)) return false;
    }
    i += length;
  }
  return true;
}

std::size_t firstUtf8OnlyLine(std::span<const std::uint8_t> file) {
  if (!isUtf8Text(file)) return 0;
  std::size_t number = 0, found = 0;
  walkLines(file, [&](auto line) {
    ++number;
    if (found == 0 && !isGb2312Text(line)) found = number;
  }, [](std::uint8_t) {});
  return found;
}

LookupConversion convertUtf8LookupFile(std::span<const std::uint8_t> file) {
  static constexpr std::uint8_t kBom[] = {0xEF, 0xBB, 0xBF};
  if (file.size() >= 3 && std::equal(file.begin(), file.begin() + 3, kBom)) file = file.subspan(3);
  LookupConversion result;
  std::size_t number = 0;
  walkLines(file, [&](auto line) {
    ++number;
    if (result.failedLine != 0) return;
    const auto gb = utf8ToGb(std::string_view(reinterpret_cast<const char*>(line.data()), line.size()));
    // Code page 936 has characters that GB2312 lacks; the terminal knows GB2312 only.
    const auto* data = gb ? reinterpret_cast<const std::uint8_t*>(gb->data()) : nullptr;
    if (!gb || !isGb2312Text({data, gb->size()})) {
      result.failedLine = number;
      return;
    }
    result.bytes.insert(result.bytes.end(), data, data + gb->size());
  }, [&](std::uint8_t end) { result.bytes.push_back(end); });
  return result;
}

std::vector<std::uint8_t> lineBlock(std::span<const std::uint8_t> line) {
  unsigned sum = 0;
  for (const std::uint8_t b : line) sum += b;
  std::vector<std::uint8_t> block(line.begin(), line.end());
  block.push_back(notCr((sum / 256) % 256));
  block.push_back(notCr(sum % 256));
  block.push_back(kCr);
  return block;
}

std::string lineMessage(std::string_view format, std::size_t lineNumber) {
  std::string message(format);
  const std::size_t at = message.find("%d");
  if (at != std::string::npos) message.replace(at, 2, std::to_string(lineNumber));
  return message;
}

std::string overlongLineMessage(std::size_t lineNumber) {
  return lineMessage(text::kLookupLineTooLongFormat, lineNumber);
}

}  // namespace k60::link
