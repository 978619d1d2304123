// The start-up page's model.
#include "editor/startup_page.h"

#include "resources/editor_ids.h"
#include "template/gb_text.h"

namespace k60::editor {

const std::array<SeparatorBoxes, 2> kSeparatorBoxes = {{
    {IDC_SEPARATOR_VALUE_1, IDC_SEPARATOR_TEXT_1},
    {IDC_SEPARATOR_VALUE_2, IDC_SEPARATOR_TEXT_2},
}};

namespace {

// A code box: a number above 255 is not stored, a text that is not a number becomes 0.
constexpr NumberRule kCodeRule = {255, std::nullopt, "0"};

}  // namespace

StartupPageModel::StartupPageModel(Template& t) : values_{NumberBox(kCodeRule), NumberBox(kCodeRule)} {
  const StartupOptions options = t.startup();
  start_ = options.startPosition();
  mode_ = options.separator().mode;
  chars_ = {options.separatorByte(0), options.separatorByte(1)};
}

void StartupPageModel::selectMode(std::uint8_t position) {
  if (position <= static_cast<std::uint8_t>(SeparatorMode::Two)) mode_ = static_cast<SeparatorMode>(position);
}

bool StartupPageModel::boxesEnabled(std::size_t i) const {
  return i == 0 ? mode_ != SeparatorMode::None : mode_ == SeparatorMode::Two;
}

std::string StartupPageModel::charText(std::size_t i) const {
  return chars_[i] == 0 ? std::string() : std::string(1, static_cast<char>(chars_[i]));
}

// The echo of a partner write stores nothing: its code is the working one already, and a
// code that the text box cannot show (a lone byte above 0x80) would read back as '?'.
PairAnswer StartupPageModel::valueChanged(std::size_t i, std::string_view text) {
  const NumberAnswer number = values_[i].changed(text);  // the box keeps its last good text
  if (guard_.takeEcho()) return {};
  if (number.show) return {number.show, std::nullopt};
  if (!number.store) return {};
  return stored(i, *number.store, true);
}

PairAnswer StartupPageModel::textChanged(std::size_t i, std::string_view gb) {
  if (guard_.takeEcho()) return {};
  if (gb.size() >= 2) {
    // A separator is one byte: a Chinese character is refused whole, a longer text is cut.
    if (isLeadByte(static_cast<std::uint8_t>(gb[0]))) return {charText(i), std::nullopt};
    return {std::string(gb.substr(0, 1)), std::nullopt};
  }
  return stored(i, gb.empty() ? 0 : static_cast<std::uint8_t>(gb[0]), false);
}

PairAnswer StartupPageModel::stored(std::size_t i, std::uint8_t code, bool fromValue) {
  chars_[i] = code;
  if (!guard_.writePartner()) return {};
  return {std::nullopt, fromValue ? charText(i) : valueText(i)};
}

void StartupPageModel::apply(Template& t) const {
  StartupOptions options = t.startup();
  options.setStartPosition(start_);
  options.setSeparator(mode_, chars_[0], chars_[1]);
}

}  // namespace k60::editor
