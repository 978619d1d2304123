// The number box rules.
#include "editor/number_box.h"

#include <limits>

namespace k60::editor {

std::optional<std::uint32_t> readNumber(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<std::uint32_t>(c - '0');
    if (value > std::numeric_limits<std::uint32_t>::max()) value = std::numeric_limits<std::uint32_t>::max();
  }
  return static_cast<std::uint32_t>(value);
}

NumberAnswer NumberBox::changed(std::string_view text) {
  const auto number = readNumber(text);
  if (!number) {
    if (!text.empty()) return {rule_.nonNumberStores, std::string(rule_.badText)};
    kept_.clear();
    return {rule_.nonNumberStores, std::nullopt};
  }
  if (*number > rule_.limit) {
    // Back to what the box held before; the echo of that write is then stored as before.
    if (text == kept_) return {};
    return {std::nullopt, kept_};
  }
  kept_ = text;
  return {static_cast<std::uint8_t>(*number), std::nullopt};
}

std::optional<std::string> byteBoxCorrection(std::string_view text) {
  if (text.empty() || readNumber(text)) return std::nullopt;
  return std::string("0");
}

std::uint8_t byteBoxValue(std::string_view text) {
  const auto number = readNumber(text);
  if (!number) return 0;
  return *number > 255 ? 255 : static_cast<std::uint8_t>(*number);
}

}  // namespace k60::editor
