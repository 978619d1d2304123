// Typed input held for the scanner test, and the PC keys of the keypad.
#include "simulator/typed_input.h"

#include "simulator/keypad.h"

namespace k60::sim {

std::optional<TypedGroup> TypedInput::add(TypedItem item, std::uint32_t nowMs) {
  std::optional<TypedGroup> released = due(nowMs);
  held_.push_back(item);
  last_ = nowMs;
  return released;
}

std::optional<TypedGroup> TypedInput::due(std::uint32_t nowMs) {
  if (held_.empty() || nowMs - last_ < kHoldMs) return std::nullopt;
  return flush();
}

std::optional<TypedGroup> TypedInput::flush() {
  if (held_.empty()) return std::nullopt;
  TypedGroup group;
  group.swap(held_);
  return group;
}

std::optional<std::string> scanText(const TypedGroup& group) {
  if (group.size() < 2 || group.back().key != kKeyEnter) return std::nullopt;
  std::string text;
  for (std::size_t i = 0; i + 1 < group.size(); ++i) {
    if (group[i].ch == 0) return std::nullopt;
    text += group[i].ch;
  }
  return text;
}

}  // namespace k60::sim
