// The start-up page's model: a working copy of the start position and the data field
// separator (mode and two characters), with each character shown twice, as a decimal code
// and as a one-character text, the two boxes kept in step.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "editor/echo_guard.h"
#include "editor/number_box.h"
#include "template/startup_options.h"
#include "template/store.h"

namespace k60::editor {

// The two boxes of one separator character: its code and its text.
struct SeparatorBoxes {
  int valueId;
  int textId;
};

extern const std::array<SeparatorBoxes, 2> kSeparatorBoxes;

// What a change of a box asks of the page: the text to put back into that box, or the text
// to write into its partner (each write arrives as a change of its own).
struct PairAnswer {
  std::optional<std::string> self;
  std::optional<std::string> partner;
};

class StartupPageModel {
 public:
  // Takes the working copy.
  explicit StartupPageModel(Template& t);

  std::uint8_t startPosition() const { return start_; }
  SeparatorMode mode() const { return mode_; }
  std::uint8_t character(std::size_t i) const { return chars_[i]; }

  void selectStart(std::uint8_t position) { start_ = position; }
  void selectMode(std::uint8_t position);
  // Character 1's boxes are for modes one and two, character 2's for mode two only.
  bool boxesEnabled(std::size_t i) const;

  // The texts of character i's boxes: the decimal code; the character itself (empty for 0).
  std::string valueText(std::size_t i) const { return std::to_string(chars_[i]); }
  std::string charText(std::size_t i) const;

  // Value box i now shows `text`.
  PairAnswer valueChanged(std::size_t i, std::string_view text);
  // Text box i now shows `gb`.
  PairAnswer textChanged(std::size_t i, std::string_view gb);
  // The partner write asked for has returned. Its change came back during the write, unless
  // the box already held that text and saw no change: either way none is pending now.
  void partnerWritten() { guard_.clear(); }

  // The sheet's OK: the start position, and the separator bytes by mode.
  void apply(Template& t) const;

 private:
  PairAnswer stored(std::size_t i, std::uint8_t code, bool fromValue);

  std::uint8_t start_;
  SeparatorMode mode_;
  std::array<std::uint8_t, 2> chars_;
  std::array<NumberBox, 2> values_;
  EchoGuard guard_;
};

}  // namespace k60::editor
