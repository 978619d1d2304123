// The number box: an edit box that holds an unsigned decimal number for one byte of a
// record, corrected on every change of its text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace k60::editor {

// An unsigned decimal of ASCII digits only; a number too large for 32 bits reads as the
// largest. Empty or any other character: not a number.
std::optional<std::uint32_t> readNumber(std::string_view text);

// What a change of a box's text asks of its page: the value to store (none: the record
// keeps its value) and the text to put back into the box (none: leave it).
struct NumberAnswer {
  std::optional<std::uint8_t> store;
  std::optional<std::string> show;
};

struct NumberRule {
  std::uint32_t limit;                        // a number above it is not stored
  std::optional<std::uint8_t> nonNumberStores;  // what an empty or bad text stores, if anything
  std::string_view badText = "0";             // what a non-empty text that is not a number becomes
};

// One box under a rule. A number above the limit stores nothing and the box goes back to
// the last text it held that was stored, so that it always shows what the record keeps.
class NumberBox {
 public:
  explicit NumberBox(NumberRule rule) : rule_(rule) {}

  // The text the page wrote into the box itself (its first fill).
  void filled(std::string_view text) { kept_ = text; }
  NumberAnswer changed(std::string_view text);

 private:
  NumberRule rule_;
  std::string kept_;
};

// A number box read only when its dialog is confirmed: while typing a bad text becomes "0";
// on OK the number is limited to 0..255 (not a number gives 0).
std::optional<std::string> byteBoxCorrection(std::string_view text);
std::uint8_t byteBoxValue(std::string_view text);

}  // namespace k60::editor
