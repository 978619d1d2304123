// PC keyboard input for the simulated terminal. A barcode scanner on the PC types what it
// reads, fast, and ends with Enter: input is held 30 ms so that such a burst can be told
// from a person's typing, then passed on in the order it came.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace k60::sim {

// One piece of typed input: a character (ch != 0) or a press of keypad key `key`.
struct TypedItem {
  char ch = 0;
  int key = 0;
};

using TypedGroup = std::vector<TypedItem>;

class TypedInput {
 public:
  static constexpr std::uint32_t kHoldMs = 30;

  // Input at `nowMs` (a millisecond counter that may wrap). Returns what the pause before
  // it released, to be passed on first.
  std::optional<TypedGroup> add(TypedItem item, std::uint32_t nowMs);
  // What has waited 30 ms since the last input, if anything.
  std::optional<TypedGroup> due(std::uint32_t nowMs);
  // Everything held, now (before a command that must come after it).
  std::optional<TypedGroup> flush();
  bool empty() const { return held_.empty(); }

 private:
  TypedGroup held_;
  std::uint32_t last_ = 0;
};

// The characters of a scan: characters that came less than 30 ms apart, ended by Enter.
// No result for anything else.
std::optional<std::string> scanText(const TypedGroup& group);

}  // namespace k60::sim
