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

// A minimum above the maximum stays: such a line cannot be completed, only left with ESC.
int FormInput::minLength(int line) const {
  return std::min<int>(form_.minLength(static_cast<std::size_t>(line)), kMaxData);
}

// Counted up to 20 bytes (a slot may lack its terminator), as the continuation lengths
// count it.
int FormInput::promptLengthOf(int line) const {
  const auto slot = form_.promptSlot(static_cast<std::size_t>(line));
  return static_cast<int>(strnlen(reinterpret_cast<const char*>(slot.data()), Screen::kColumns));
}

// The screen has 20 columns with either font. A line that takes input shows its whole
// prompt unless the prompt, one data column and the cursor column would pass them; then
// only the screen loses the prompt's end. The line position still counts the full prompt,
// so a field and its continuation lines hold what their maximum lengths say.
int FormInput::shownPromptLengthOf(int line) const {
  constexpr int kWidestInputPrompt = Screen::kColumns - 2;
  if (!takesInput(line) || promptLength_[line] <= kWidestInputPrompt) return promptLength_[line];
  return static_cast<int>(cutLength(prompt(line), kWidestInputPrompt));
}

// Data scrolls once it reaches the last input column. A prompt that itself reaches that
// column would leave no data in view, so such a line keeps the column after its prompt for
// data and scrolls with the cursor one column further.
int FormInput::scrollColumn(int line) const { return std::max(lastColumn(), promptLength_[line] + 1); }

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
    shownPrompt_[k] = shownPromptLengthOf(k);
    position_[k] = promptLength_[k];
    initial_[k] = false;
    if (form_.initialOn(static_cast<std::size_t>(k))) {
      const std::string value = form_.initialValue(static_cast<std::size_t>(k));
      std::memcpy(fields_[k].data(), value.data(), std::min<std::size_t>(value.size(), kMaxData));
      initial_[k] = !value.empty();
    }
  }
  setCurrentLine(isInput(0) ? 0 : nextInputLine(0));
  // Without an input line the current line stays 0, whatever it is: its prompt may fill all
  // 20 columns, so there is no cell for a cursor, and nothing may be typed there.
  hasInput_ = isInput(currentLine());
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
  std::string text(prompt(line).substr(0, static_cast<std::size_t>(shownPrompt_[line])));
  text += field(line).substr(std::min<std::size_t>(scroll_[line], dataLength(line)));
  screen_.setLine(line, text);
}

void FormInput::placeCursor() {
  const int b = currentLine();
  screen_.setCursor(b, position_[b] - scroll_[b] - (promptLength_[b] - shownPrompt_[b]));
}

FormEvent FormInput::showLine(int line) {
  setCurrentLine(line);
  show();
  return FormEvent::FormShown;
}

// BS with nothing typed: a continuation line gives the cursor back to the line above.
FormEvent FormInput::leaveEmptyLine(int line) {
  return type(line) == 8 && line > 0 ? showLine(line - 1) : FormEvent::None;
}

void FormInput::dropInitialValue(int line) {
  fields_[line].fill(0);
  initial_[line] = false;
}

FormEvent FormInput::enterCharacter(char ch) {
  if (!hasInput_) return FormEvent::None;
  const int b = currentLine();
  if (!acceptsCharacter(static_cast<std::uint8_t>(type(b)), ch)) return FormEvent::Refused;
  // A line of maximum length 0 takes nothing, and that is no error.
  if (maxLength(b) == 0) return FormEvent::None;
  if (initial_[b]) dropInitialValue(b);
  at(b, position_[b]) = ch;
  const int full = promptLength_[b] + maxLength(b) - 1;
  const bool continues = isContinuation(b + 1);
  if (position_[b] >= full) {
    // The line holds its maximum length: the character replaced the last one.
  } else if (position_[b] < (continues ? lastColumn() : scrollColumn(b))) {
    ++position_[b];
  } else if (continues) {
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
// An untouched initial value counts as nothing typed: it stays.
FormEvent FormInput::erase() {
  if (!hasInput_) return FormEvent::None;
  const int b = currentLine();
  if (initial_[b]) return leaveEmptyLine(b);
  if (at(b, position_[b]) != 0) {
    at(b, position_[b]) = 0;
  } else if (scroll_[b] > 0) {
    --scroll_[b];
    --position_[b];
    at(b, position_[b]) = 0;
  } else if (position_[b] > promptLength_[b]) {
    --position_[b];
    at(b, position_[b]) = 0;
  } else {
    return leaveEmptyLine(b);
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
