// Which key of the terminal picture a mouse press falls on, and where each key is drawn.
#pragma once

#include "simulator/lcd_geometry.h"

namespace k60::sim {

struct KeyHit {
  int key = 0;             // 1..20, 0 = on no key
  PixelPoint topLeft = {};  // the key picture's top-left (face pixels); meaningful when key != 0
};

// The keys react only in the top-left 31 x 19 (keys 1..12) or 22 x 14 (keys 13..20) pixels
// of their pictures, with the outer bounds of the two blocks as the terminal picture has them.
KeyHit hitTestKeypad(int x, int y);

// Top-left of key 1..20's picture on the face; (0, 0) for any other number.
PixelPoint keyTopLeft(int key);

}  // namespace k60::sim
