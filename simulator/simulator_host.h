// What the simulator asks of the window that shows it: repaint areas, the alpha indicator,
// the status line, the pending multi-tap letter, the no-program message and the New command.
#pragma once

#include <string_view>

namespace k60::sim {

class SimulatorHost {
 public:
  virtual ~SimulatorHost() = default;

  // Mark an area for repainting (no erase); the next paint draws the screen model there.
  virtual void invalidateWholeLcd() = 0;
  virtual void invalidateUpperLcd() = 0;
  virtual void invalidateRow(int row) = 0;

  // Alpha mode changed in a form: draw the indicator on or off at once.
  virtual void alphaModeChanged(bool on) = 0;

  // Every clock tick on the main page: draw these 20 GB2312 bytes over the bottom row,
  // directly, without invalidating.
  virtual void drawStatusLine(std::string_view gb) = 0;

  // A multi-tap letter waits at the cursor cell (row, column): draw it there over the cursor.
  virtual void pendingLetterShown(char letter, int row, int column) = 0;
  // The letter was entered or dropped; a repaint of its row or of the LCD follows.
  virtual void pendingLetterCleared() = 0;

  // Nothing to run: show this modal message (UTF-8 texts, OK button, warning icon) and
  // return when it is closed.
  virtual void showNoProgramMessage(std::string_view text, std::string_view caption) = 0;
  // Then: post command New (id 1010) to the main window. The window also clears its
  // key-pressed flag and releases the mouse capture here.
  virtual void postNewCommand() = 0;
};

}  // namespace k60::sim
