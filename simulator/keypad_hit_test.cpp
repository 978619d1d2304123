// The keypad's hit test: two blocks of keys on a regular grid, each key reacting only in the
// top-left part of its cell.
#include "simulator/keypad_hit_test.h"

namespace k60::sim {
namespace {

// Upper block: keys 1..12, 3 columns of 45 px, 4 rows of 28 px, reacting in 31 x 19 px.
constexpr PixelPoint kUpperOrigin = {30, 235};
constexpr int kUpperPitchX = 45, kUpperPitchY = 28, kUpperColumns = 3;
// Lower block: keys 13..20, 4 columns of 31 px, 2 rows of 23 px, reacting in 22 x 14 px.
constexpr PixelPoint kLowerOrigin = {33, 347};
constexpr int kLowerPitchX = 31, kLowerPitchY = 23, kLowerColumns = 4;
constexpr int kFirstLowerKey = 13;

KeyHit upperHit(int x, int y) {
  const int dx = x - kUpperOrigin.x, dy = y - kUpperOrigin.y;
  if (!(x > 30 && x < 152 && dx % kUpperPitchX <= 30 && dy % kUpperPitchY < 19)) return {};
  const int column = dx / kUpperPitchX, row = dy / kUpperPitchY;
  const int key = kUpperColumns * row + column + 1;
  return {key, keyTopLeft(key)};
}

KeyHit lowerHit(int x, int y) {
  if (!(y > 347 && y < 383 && x >= 33 && x <= 147)) return {};
  const int dx = x - kLowerOrigin.x, dy = y - kLowerOrigin.y;
  if (!(dx % kLowerPitchX < 22 && dy % kLowerPitchY < 14)) return {};
  const int column = dx / kLowerPitchX, row = dy / kLowerPitchY;
  const int key = kLowerColumns * row + column + kFirstLowerKey;
  return {key, keyTopLeft(key)};
}

}  // namespace

// The block is chosen by y alone: a press beside the upper block never reaches the lower one.
KeyHit hitTestKeypad(int x, int y) { return y > 235 && y < 337 ? upperHit(x, y) : lowerHit(x, y); }

PixelPoint keyTopLeft(int key) {
  if (key >= 1 && key < kFirstLowerKey) {
    const int i = key - 1;
    return {kUpperOrigin.x + kUpperPitchX * (i % kUpperColumns),
            kUpperOrigin.y + kUpperPitchY * (i / kUpperColumns)};
  }
  if (key >= kFirstLowerKey && key <= 20) {
    const int i = key - kFirstLowerKey;
    return {kLowerOrigin.x + kLowerPitchX * (i % kLowerColumns),
            kLowerOrigin.y + kLowerPitchY * (i / kLowerColumns)};
  }
  return {};
}

}  // namespace k60::sim
