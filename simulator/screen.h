// The simulated LCD: eight lines of text, the highlight line, the cursor cell, alpha mode,
// the clock phase and the record counter that the status line shows.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace k60::sim {

class Screen {
 public:
  static constexpr int kRows = 8;
  static constexpr int kColumns = 20;
  static constexpr std::size_t kLineBytes = kColumns + 1;

  // The GB2312 text of row 0..7, up to its terminator (at most 20 bytes).
  std::string_view line(int row) const;
  // Stores at most 20 bytes of `gb`, never half of a double-byte character: one that would
  // start in column 19 is left out and the line ends before it.
  void setLine(int row, std::string_view gb);
  void clearLine(int row) { setLine(row, {}); }

  // 1-based number of the inverted line; anything outside 1..8 inverts none.
  int highlight() const { return highlight_; }
  void setHighlight(int line) { highlight_ = line; }

  int cursorRow() const { return cursorRow_; }
  int cursorColumn() const { return cursorColumn_; }
  void setCursor(int row, int column) {
    cursorRow_ = row;
    cursorColumn_ = column;
  }

  bool alpha() const { return alpha_; }
  void setAlpha(bool on) { alpha_ = on; }

  // 0..9, advanced by every clock tick; the colon shows in phases 0..4.
  int clockPhase() const { return clockPhase_; }
  void advanceClockPhase() { clockPhase_ = (clockPhase_ + 1) % 10; }

  // Forms completed since the simulator started; stops at the largest value it can hold.
  std::int32_t recordCounter() const { return records_; }
  void countRecord();

 private:
  std::array<std::array<char, kLineBytes>, kRows> lines_{};
  int highlight_ = 1;
  int cursorRow_ = 0;
  int cursorColumn_ = 0;
  bool alpha_ = false;
  int clockPhase_ = 0;
  std::int32_t records_ = 0;
};

}  // namespace k60::sim
