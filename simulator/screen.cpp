// The screen model's line buffers and record counter.
#include "simulator/screen.h"

#include <cstring>
#include <limits>

#include "template/gb_text.h"

namespace k60::sim {

std::string_view Screen::line(int row) const {
  const auto& buffer = lines_[static_cast<std::size_t>(row)];
  return std::string_view(buffer.data(), strnlen(buffer.data(), kColumns));
}

void Screen::setLine(int row, std::string_view gb) {
  auto& buffer = lines_[static_cast<std::size_t>(row)];
  const std::size_t n = cutLength(gb, kColumns);
  // An empty view may hold no pointer at all.
  if (n > 0) std::memcpy(buffer.data(), gb.data(), n);
  std::memset(buffer.data() + n, 0, kLineBytes - n);
}

void Screen::countRecord() {
  if (records_ < std::numeric_limits<std::int32_t>::max()) ++records_;
}

}  // namespace k60::sim
