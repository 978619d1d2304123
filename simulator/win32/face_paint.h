// Drawing the terminal face: the picture, the keys and the LCD draw lists of the simulator.
#pragma once

#include <windows.h>

#include <vector>

#include "simulator/lcd_paint.h"

namespace k60::sim {

class FaceBitmapTable;
struct FaceWindow;

// Copies the bitmap 1:1 with its top-left at (x, y); a missing bitmap draws nothing.
void blit(HDC dc, HBITMAP bitmap, int x, int y);

// Executes LCD draws on a DC that has the LCD font and the transparent mode selected.
void drawLcd(HDC dc, const FaceBitmapTable& bitmaps, const std::vector<LcdDraw>& draws);

// The whole face: picture, keys (a held key pressed), then the LCD with its font. Serves
// WM_PAINT and WM_PRINTCLIENT.
void paintFace(HDC dc, const FaceWindow& face);

// Draws straight into the window, between paints: the status line, a pending letter.
void drawDirect(const FaceWindow& face, const std::vector<LcdDraw>& draws);

}  // namespace k60::sim
