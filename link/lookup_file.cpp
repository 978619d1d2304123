// Reading and checking a lookup file, and the line blocks it is sent as.
#include "link/lookup_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "link/link_messages.h"

namespace k60::link {
namespace {

constexpr std::uint8_t kCr = 0x0D;
constexpr std::uint8_t kLf = 0x0A;

// A checksum byte may not look like the CR that ends the block.
std::uint8_t notCr(unsigned value) {
  const auto b = static_cast<std::uint8_t>(value);
  return b == kCr ? 0x0E : b;
}

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

std::size_t firstOverlongLine(std::span<const std::uint8_t> file) {
  std::size_t line = 1, length = 0;
  for (const std::uint8_t b : file) {
    if (b == kCr) {
      ++line;
      length = 0;
    } else if (b != kLf && ++length > kMaxLookupLineBytes) {
      return line;
    }
  }
  return 0;
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

std::string overlongLineMessage(std::size_t lineNumber) {
  std::string message(text::kLookupLineTooLongFormat);
  const std::size_t at = message.find("%d");
  if (at != std::string::npos) message.replace(at, 2, std::to_string(lineNumber));
  return message;
}

}  // namespace k60::link
