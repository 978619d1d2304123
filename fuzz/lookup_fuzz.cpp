// Fuzz harness: a lookup file's bytes are split into lines, checked for length and encoding,
// converted from UTF-8 when they are UTF-8, and each line becomes its block.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "link/lookup_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> file(data, size);
  const auto lines = k60::link::lookupLines(file);
  const std::size_t overlong = k60::link::firstOverlongLine(file);
  if (overlong > lines.size()) std::abort();
  for (const auto& line : lines) {
    const auto block = k60::link::lineBlock(line);
    if (block.size() != line.size() + 3 || block.back() != 0x0D) std::abort();
  }
  k60::link::isGb2312Text(file);
  if (k60::link::firstUtf8OnlyLine(file) > 0) {
    const auto converted = k60::link::convertUtf8LookupFile(file);
    if (converted.failedLine == 0 && !k60::link::isGb2312Text(converted.bytes)) std::abort();
  }
  return 0;
}
