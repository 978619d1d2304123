// Separator mode derived from, and stored into, the two separator bytes.
#include "template/startup_options.h"

namespace k60 {

Separator StartupOptions::separator() const {
  const std::uint8_t a = sep()[0], b = sep()[1];
  if (a == 0) return {SeparatorMode::None, 0, 0};
  if (b != 0) return {SeparatorMode::Two, a, b};
  return {SeparatorMode::One, a, 0};
}

void StartupOptions::setSeparator(SeparatorMode mode, std::uint8_t first, std::uint8_t second) {
  sep()[0] = mode == SeparatorMode::None ? 0 : first;
  sep()[1] = mode == SeparatorMode::Two ? second : 0;
}

}  // namespace k60
