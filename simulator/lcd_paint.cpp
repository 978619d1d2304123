// The LCD paint as a list of draws: what a repaint of the terminal face puts on the LCD.
#include "simulator/lcd_paint.h"

#include "simulator/face_bitmaps.h"
#include "simulator/simulator.h"

namespace k60::sim {
namespace {

LcdDraw bitmapAt(int bitmap, PixelPoint at) { return {LcdDraw::Kind::Bitmap, at, bitmap, {}, false}; }
LcdDraw textAt(std::string gb, PixelPoint at, bool white) {
  return {LcdDraw::Kind::Text, at, 0, std::move(gb), white};
}

void append(std::vector<LcdDraw>& to, std::vector<LcdDraw> from) {
  for (LcdDraw& d : from) to.push_back(std::move(d));
}

// Line i is inverted when the highlight is i + 1; an empty line has no text to draw.
void paintLine(std::vector<LcdDraw>& draws, const Screen& screen, int row) {
  const bool inverted = screen.highlight() == row + 1;
  if (inverted) draws.push_back(bitmapAt(kHighlightBitmap, highlightBarOrigin(row)));
  const std::string_view text = screen.line(row);
  if (!text.empty()) draws.push_back(textAt(std::string(text), cellOrigin(0, row), inverted));
}

}  // namespace

std::vector<LcdDraw> lcdPaint(const Simulator& sim) {
  const Screen& screen = sim.screen();
  const bool mainPage = sim.state() == SimulatorState::MainPage;
  std::vector<LcdDraw> draws;
  const PixelPoint cursor = cellOrigin(screen.cursorColumn(), screen.cursorRow());
  if (sim.showsCursor()) draws.push_back(bitmapAt(kCursorBitmap, cursor));
  if (screen.alpha()) draws.push_back(bitmapAt(kAlphaOnBitmap, kAlphaIndicator));
  // On the main page row 7 belongs to the status line: its own bytes are stale there.
  const int textRows = mainPage ? Screen::kRows - 1 : Screen::kRows;
  for (int row = 0; row < textRows; ++row) paintLine(draws, screen, row);
  if (mainPage) append(draws, statusLinePaint(sim.statusLine()));
  // Drawn last so that a repaint keeps a letter that is not yet part of its line.
  if (const auto letter = sim.pendingLetter(); letter && sim.showsCursor())
    append(draws, pendingLetterPaint(*letter, screen.cursorRow(), screen.cursorColumn()));
  return draws;
}

std::vector<LcdDraw> statusLinePaint(const std::string& gb) {
  return {bitmapAt(kStatusLineBitmap, kStatusLineOrigin), textAt(gb, kStatusLineOrigin, false)};
}

std::vector<LcdDraw> pendingLetterPaint(char letter, int row, int column) {
  const PixelPoint cell = cellOrigin(column, row);
  return {bitmapAt(kCursorBitmap, cell), textAt(std::string(1, letter), cell, false)};
}

}  // namespace k60::sim
