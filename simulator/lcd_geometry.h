// Where the LCD lies on the terminal face: character cells, marks and the three repaint areas,
// in pixels of the 180 x 400 face (right and bottom edges exclusive).
#pragma once

namespace k60::sim {

struct PixelRect {
  int left, top, right, bottom;
};

struct PixelPoint {
  int x, y;
};

inline constexpr int kCellWidth = 6;
inline constexpr int kCellHeight = 10;
inline constexpr PixelPoint kTextOrigin = {26, 52};

constexpr PixelPoint cellOrigin(int column, int row) {
  return {kTextOrigin.x + kCellWidth * column, kTextOrigin.y + kCellHeight * row};
}
// The highlight bar sits one pixel below its line's text.
constexpr PixelPoint highlightBarOrigin(int row) { return {kTextOrigin.x, kTextOrigin.y + kCellHeight * row + 1}; }

inline constexpr PixelPoint kAlphaIndicator = {146, 114};
inline constexpr PixelPoint kStatusLineOrigin = {26, 122};

inline constexpr PixelRect kWholeLcd = {25, 52, 154, 133};
inline constexpr PixelRect kUpperLcd = {25, 52, 154, 103};
constexpr PixelRect rowArea(int row) { return {25, 52 + 10 * row, 154, 62 + 10 * row}; }

}  // namespace k60::sim
