// What a paint of the simulated LCD draws, in order, as plain data: bitmaps blitted and texts
// drawn at face pixels. The window executes the list; tests read it.
#pragma once

#include <string>
#include <vector>

#include "simulator/lcd_geometry.h"

namespace k60::sim {

class Simulator;

struct LcdDraw {
  enum class Kind { Bitmap, Text };
  Kind kind;
  PixelPoint at;
  int bitmap = 0;     // Kind::Bitmap: resource id (simulator/face_bitmaps.h)
  std::string gb;     // Kind::Text: GB2312 bytes, one LCD column per byte
  bool white = false; // Kind::Text: drawn white (the highlighted line), else black
};

// The LCD as the simulator shows it now: cursor (form state only), alpha indicator, the eight
// lines with the highlight bar, the status line on the main page, a pending multi-tap letter.
std::vector<LcdDraw> lcdPaint(const Simulator& sim);

// The status line drawn directly on a clock tick: its background, then its text.
std::vector<LcdDraw> statusLinePaint(const std::string& gb);

// A pending multi-tap letter drawn directly at the cursor cell: the cursor, then the letter.
std::vector<LcdDraw> pendingLetterPaint(char letter, int row, int column);

}  // namespace k60::sim
