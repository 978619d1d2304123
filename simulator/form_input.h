// One running form: its field buffers, prompt lengths, line positions and scroll offsets,
// and what typing, deleting, Enter and the up key do to them and to the screen.
#pragma once

#include <array>
#include <string_view>

#include "simulator/screen.h"
#include "template/form_record.h"

namespace k60::sim {

// What a form key did; the interpreter repaints or moves on accordingly.
enum class FormEvent {
  None,        // nothing changed
  RowChanged,  // the current line's row changed: repaint that row
  FormShown,   // the form was drawn again (another line is current): repaint the whole LCD
  Refused,     // the line's data type does not take the character: error screen 1
  TooShort,    // Enter below the minimum length: error screen 2
  Completed,   // Enter on the last input line: the form is done
};

class FormInput {
 public:
  static constexpr int kLines = 8;
  static constexpr int kFieldBytes = 51;
  static constexpr int kMaxData = 50;

  explicit FormInput(Screen& screen) : screen_(screen) {}

  // Starts `form` afresh: empty fields (or initial values), cursor on its first input line,
  // no highlight, all lines drawn.
  void start(const FormRecord& form);
  // Draws every line and the cursor from the fields as they are.
  void show();

  FormEvent enterCharacter(char ch);
  FormEvent erase();
  FormEvent previousLine();
  FormEvent enter();

  int currentLine() const;
  std::string_view field(int line) const;
  // False for a form whose lines take no input: it shows no cursor and takes no characters.
  bool hasInputLine() const { return hasInput_; }

 private:
  int type(int line) const { return form_.dataTypeByte(static_cast<std::size_t>(line)); }
  bool isInput(int line) const { return type(line) >= 1 && type(line) <= 4; }
  bool isContinuation(int line) const { return line < kLines && type(line) == 8; }
  bool takesInput(int line) const { return isInput(line) || type(line) == 8; }
  int inputLineCount() const;
  int lastColumn() const { return form_.largeFont() ? 14 : 19; }
  int maxLength(int line) const;
  int minLength(int line) const;
  int promptLengthOf(int line) const;
  int shownPromptLengthOf(int line) const;
  int scrollColumn(int line) const;
  std::string_view prompt(int line) const;
  int dataLength(int line) const { return static_cast<int>(field(line).size()); }
  char& at(int line, int position) { return fields_[line][position - promptLength_[line]]; }

  void setCurrentLine(int line) { form_.setCurrentLine(static_cast<std::uint8_t>(line)); }
  void drawLine(int line);
  void placeCursor();
  FormEvent showLine(int line);
  FormEvent leaveEmptyLine(int line);
  void dropInitialValue(int line);
  int nextInputLine(int from) const;
  int previousInputLine(int from) const;

  Screen& screen_;
  FormRecord form_{std::span<std::uint8_t>{}};
  std::array<std::array<char, kFieldBytes>, kLines> fields_{};
  std::array<int, kLines> promptLength_{};
  // Prompt bytes on the screen: fewer than promptLength_ only where a long prompt would push
  // the data and the cursor off the 20 columns.
  std::array<int, kLines> shownPrompt_{};
  std::array<int, kLines> position_{};
  std::array<int, kLines> scroll_{};
  // The line still shows its untouched initial value: the first character typed replaces it.
  std::array<bool, kLines> initial_{};
  bool hasInput_ = false;
};

// Whether a line of data type `type` takes character `ch`.
bool acceptsCharacter(std::uint8_t type, char ch);

}  // namespace k60::sim
