// Form start and display, character entry with scrolling and continuation lines, deletion,
// and the moves between input lines.
#include "simulator/form_input.h"

#include <algorithm>
#include <cstring>

#include "template/gb_text.h"

namespace k60::sim {
namespace {

bool isAsciiLetter(char ch) { return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z'); }
bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }

}  // namespace

bool acceptsCharacter(std::uint8_t type, char ch) {
  switch (type) {
    case 1:
    case 8: return true;
    case 2: return isDigit(ch);
    case 3: return isDigit(ch) || ch == '.';
    case 4: return isAsciiLetter(ch);
    default: return false;
  }
}

int FormInput::inputLineCount() const { return std::min<int>(form_.inputLineCount(), kLines); }

// Lengths above 50 (a file that was never normalised) would overrun the field buffer.
int FormInput::maxLength(int line) const {
  return std::min<int>(form_.maxLength(static_cast<std::size_t>(line)), kMaxData);
}

int FormInput::minLength(int line) const {
  return std::min<int>(form_.minLength(static_cast<std::size_t>(line)), maxLength(line));
}

// The prompt is counted up to 20 bytes (a slot may lack its terminator). On a line that
// takes input it leaves at least one column for the data and the last one for the cursor,
// so that typed data shows and the cursor never leaves the screen.
int FormInput::promptLengthOf(int line) const {
  const std::string text = readSlot(form_.promptSlot(static_cast<std::size_t>(line)));
  const bool input = isInput(line) || type(line) == 8;
  return static_cast<int>(cutLength(text, input ? lastColumn() - 1 : Screen::kColumns));
}

std::string_view FormInput::prompt(int line) const {
  const auto slot = form_.promptSlot(static_cast<std::size_t>(line));
  return std::string_view(reinterpret_cast<const char*>(slot.data()), promptLength_[line]);
}

std::string_view FormInput::field(int line) const {
  const char* data = fields_[line].data();
  return std::string_view(data, strnlen(data, kMaxData));
}

int FormInput::currentLine() const { return std::min<int>(form_.currentLine(), kLines - 1); }

void FormInput::start(const FormRecord& form) {
  form_ = form;
  for (int k = 0; k < kLines; ++k) {
    fields_[k].fill(0);
    scroll_[k] = 0;
    promptLength_[k] = promptLengthOf(k);
    position_[k] = promptLength_[k];
    initial_[k] = false;
    if (form_.initialOn(static_cast<std::size_t>(k))) {
      const std::string value = form_.initialValue(static_cast<std::size_t>(k));
      std::memcpy(fields_[k].data(), value.data(), std::min<std::size_t>(value.size(), kMaxData));
      initial_[k] = !value.empty();
    }
  }
  setCurrentLine(isInput(0) ? 0 : nextInputLine(0));
  screen_.setHighlight(0);
  show();
}

// A continuation line after the last input line still shows its data.
void FormInput::show() {
  const int inputLines = inputLineCount();
  for (int k = 0; k < kLines; ++k) {
    if (k < inputLines || type(k) == 8)
      drawLine(k);
    else if (type(k) != 0)
      screen_.setLine(k, prompt(k));
    else
      screen_.clearLine(k);
  }
  placeCursor();
}

void FormInput::drawLine(int line) {
  std::string text(prompt(line));
  text += field(line).substr(std::min<std::size_t>(scroll_[line], dataLength(line)));
  screen_.setLine(line, text);
}

void FormInput::placeCursor() {
  const int b = currentLine();
  screen_.setCursor(b, position_[b] - scroll_[b]);
}

FormEvent FormInput::showLine(int line) {
  setCurrentLine(line);
  show();
  return FormEvent::FormShown;
}

void FormInput::dropInitialValue(int line) {
  fields_[line].fill(0);
  initial_[line] = false;
}

FormEvent FormInput::enterCharacter(char ch) {
  const int b = currentLine();
  if (!acceptsCharacter(static_cast<std::uint8_t>(type(b)), ch)) return FormEvent::Refused;
  if (maxLength(b) == 0) return FormEvent::TooLong;
  if (initial_[b]) dropInitialValue(b);
  at(b, position_[b]) = ch;
  const int full = promptLength_[b] + maxLength(b) - 1;
  if (position_[b] >= full) {
    // The line holds its maximum length: the character replaced the last one.
  } else if (position_[b] < lastColumn()) {
    ++position_[b];
  } else if (isContinuation(b + 1)) {
    return showLine(b + 1);
  } else {
    ++position_[b];
    ++scroll_[b];
  }
  drawLine(b);
  placeCursor();
  return FormEvent::RowChanged;
}

// A character under the cursor (the last one of a full line, or the one that overflowed
// into a continuation line) goes first, without moving; otherwise the one before the cursor.
FormEvent FormInput::erase() {
  const int b = currentLine();
  if (initial_[b]) {
    dropInitialValue(b);
  } else if (at(b, position_[b]) != 0) {
    at(b, position_[b]) = 0;
  } else if (scroll_[b] > 0) {
    --scroll_[b];
    --position_[b];
    at(b, position_[b]) = 0;
  } else if (position_[b] > promptLength_[b]) {
    --position_[b];
    at(b, position_[b]) = 0;
  } else {
    return type(b) == 8 && b > 0 ? showLine(b - 1) : FormEvent::None;
  }
  drawLine(b);
  placeCursor();
  return FormEvent::RowChanged;
}

FormEvent FormInput::previousLine() {
  const int b = currentLine();
  if (b < 1) return FormEvent::None;
  const int p = previousInputLine(b);
  return p != b ? showLine(p) : FormEvent::None;
}

FormEvent FormInput::enter() {
  const int b = currentLine();
  if (dataLength(b) < minLength(b)) return FormEvent::TooShort;
  if (b >= inputLineCount() - 1) return FormEvent::Completed;
  const int q = nextInputLine(b);
  return q != b ? showLine(q) : FormEvent::None;
}

// Moving down lands at the end of a field's data when it continues over one or two lines.
int FormInput::nextInputLine(int from) const {
  const int n = inputLineCount();
  int j = from + 1;
  while (j < n && !isInput(j)) ++j;
  if (j >= n) return from;
  if (isContinuation(j + 1) && dataLength(j + 1) > 0)
    return isContinuation(j + 2) && dataLength(j + 2) > 0 ? j + 2 : j + 1;
  return j;
}

int FormInput::previousInputLine(int from) const {
  int first = from;
  while (first > 0 && type(first) == 8) --first;
  for (int k = first - 1; k >= 0; --k)
    if (isInput(k) || (type(k) == 8 && dataLength(k) > 0)) return k;
  return from;
}

}  // namespace k60::sim
