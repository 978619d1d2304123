// Checking the blocks the PC sends and building the record lines the terminal sends.
#include "link/terminal_peer_frames.h"

#include <numeric>

namespace k60::link::peer {
namespace {

unsigned sumOf(std::span<const std::uint8_t> bytes) {
  return std::accumulate(bytes.begin(), bytes.end(), 0u);
}

}  // namespace

bool programBlockChecksumOk(std::span<const std::uint8_t> block) {
  if (block.size() != kProgramBlockSize) return false;
  const unsigned sum = sumOf(block.first(kProgramBlockData));
  return block[100] == sum / 256 && block[101] == sum % 256;
}

std::optional<Bytes> lookupLineText(std::span<const std::uint8_t> block) {
  if (block.size() < 3 || block.back() != 0x0D) return std::nullopt;
  const auto text = block.first(block.size() - 3);
  const unsigned sum = sumOf(text);
  const auto high = escapeCr(static_cast<std::uint8_t>(sum / 256));
  const auto low = escapeCr(static_cast<std::uint8_t>(sum % 256));
  if (block[text.size()] != high || block[text.size() + 1] != low) return std::nullopt;
  return Bytes(text.begin(), text.end());
}

Bytes recordLine(int sequence, std::span<const std::uint8_t> data, bool corrupt) {
  Bytes line;
  line.reserve(data.size() + 4);
  line.push_back(static_cast<std::uint8_t>(sequence));
  line.insert(line.end(), data.begin(), data.end());
  const unsigned sum = (static_cast<unsigned>(sequence) + sumOf(data)) % 65536;
  auto low = static_cast<std::uint8_t>(sum % 256);
  if (corrupt) low ^= 0x80;  // differs from the true byte even after the CR rule
  line.push_back(escapeCr(low));
  line.push_back(escapeCr(static_cast<std::uint8_t>(sum / 256)));
  line.push_back(0x0D);
  return line;
}

}  // namespace k60::link::peer
