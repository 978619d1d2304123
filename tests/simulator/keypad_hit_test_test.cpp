// The keypad hit test: the documented edge points, each key's reacting area scanned pixel by
// pixel over the whole face, and the key pictures' positions.
#include <gtest/gtest.h>

#include <array>
#include <map>

#include "simulator/keypad_hit_test.h"

namespace k60::sim {
namespace {

int keyAt(int x, int y) { return hitTestKeypad(x, y).key; }

TEST(KeypadHitTest, EdgePointsOfTheTwoBlocks) {
  EXPECT_EQ(keyAt(31, 236), 1);
  EXPECT_EQ(keyAt(30, 236), 0) << "first pixel column of the left keys";
  EXPECT_EQ(keyAt(61, 236), 0) << "one beyond key 1's 31 columns";
  EXPECT_EQ(keyAt(31, 235), 0) << "first pixel row of the top keys";
  EXPECT_EQ(keyAt(150, 336), 12) << "last pixel of key 12 that reacts";
  EXPECT_EQ(keyAt(151, 336), 0);
  EXPECT_EQ(keyAt(150, 337), 0) << "last pixel row of the bottom keys";

  EXPECT_EQ(keyAt(34, 348), 13);
  EXPECT_EQ(keyAt(34, 347), 0);
  EXPECT_EQ(keyAt(33, 348), 13) << "the lower block keeps its first column";
  EXPECT_EQ(keyAt(32, 348), 0);
  EXPECT_EQ(keyAt(54, 360), 13) << "last pixel of key 13's 22 x 14";
  EXPECT_EQ(keyAt(55, 360), 0);
  EXPECT_EQ(keyAt(147, 382), 20) << "last reacting pixel of PWR";
  EXPECT_EQ(keyAt(148, 382), 0);
  EXPECT_EQ(keyAt(147, 383), 0) << "last pixel row of the bottom keys";
}

TEST(KeypadHitTest, PressesOffTheKeypadHitNothing) {
  for (auto [x, y] : std::array<std::array<int, 2>, 8>{{{-1, -1}, {0, 0}, {90, 100}, {-14, 240},
                                                       {31, 340}, {179, 399}, {-32768, 348}, {40, 32767}}})
    EXPECT_EQ(keyAt(x, y), 0) << x << "," << y;
}

struct Box {
  int left, top, right, bottom;  // inclusive
};

// Each key's reacting pixels as the keypad describes them: the top-left 31 x 19 (upper) or
// 22 x 14 (lower) of its picture, less the pixels that the blocks' strict bounds take away.
Box expectedArea(int key) {
  const bool upper = key <= 12;
  const int i = upper ? key - 1 : key - 13;
  const int columns = upper ? 3 : 4, rows = upper ? 4 : 2;
  const int column = i % columns, row = i / columns;
  const int x = upper ? 30 + 45 * column : 33 + 31 * column;
  const int y = upper ? 235 + 28 * row : 347 + 23 * row;
  const int w = upper ? 31 : 22, h = upper ? 19 : 14;
  const int lostColumn = upper && column == 0 ? 1 : 0;
  const int lostTopRow = row == 0 ? 1 : 0, lostBottomRow = row == rows - 1 ? 1 : 0;
  return {x + lostColumn, y + lostTopRow, x + w - 1, y + h - 1 - lostBottomRow};
}

TEST(KeypadHitTest, EveryKeyReactsExactlyInItsAreaAndReportsItsPicturePosition) {
  std::map<int, int> hits;
  for (int y = 0; y < 400; ++y) {
    for (int x = 0; x < 180; ++x) {
      const KeyHit hit = hitTestKeypad(x, y);
      if (hit.key == 0) continue;
      ASSERT_GE(hit.key, 1);
      ASSERT_LE(hit.key, 20);
      const Box box = expectedArea(hit.key);
      ASSERT_TRUE(x >= box.left && x <= box.right && y >= box.top && y <= box.bottom)
          << "key " << hit.key << " at " << x << "," << y;
      EXPECT_EQ(hit.topLeft.x, keyTopLeft(hit.key).x);
      EXPECT_EQ(hit.topLeft.y, keyTopLeft(hit.key).y);
      ++hits[hit.key];
    }
  }
  for (int key = 1; key <= 20; ++key) {
    const Box box = expectedArea(key);
    EXPECT_EQ(hits[key], (box.right - box.left + 1) * (box.bottom - box.top + 1)) << "key " << key;
  }
}

TEST(KeypadHitTest, KeyPicturesSitRowByRowFromTheTopLeft) {
  const std::array<PixelPoint, 20> expected = {{{30, 235},  {75, 235},  {120, 235}, {30, 263},  {75, 263},
                                                {120, 263}, {30, 291},  {75, 291},  {120, 291}, {30, 319},
                                                {75, 319},  {120, 319}, {33, 347},  {64, 347},  {95, 347},
                                                {126, 347}, {33, 370},  {64, 370},  {95, 370},  {126, 370}}};
  for (int key = 1; key <= 20; ++key) {
    EXPECT_EQ(keyTopLeft(key).x, expected[key - 1].x) << "key " << key;
    EXPECT_EQ(keyTopLeft(key).y, expected[key - 1].y) << "key " << key;
  }
  EXPECT_EQ(keyTopLeft(0).x, 0);
  EXPECT_EQ(keyTopLeft(21).y, 0);
}

}  // namespace
}  // namespace k60::sim
