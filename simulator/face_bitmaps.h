// Bitmap resource ids of the terminal face: the face itself, the released and pressed key
// pictures, and the marks drawn on the LCD.
#pragma once

namespace k60::sim {

inline constexpr int kFaceWidth = 180;               // the face picture, in pixels; the program
inline constexpr int kFaceHeight = 400;              // window is exactly this big
inline constexpr int kFaceBitmap = 500;             // kFaceWidth x kFaceHeight, drawn at (0, 0)
constexpr int releasedKeyBitmap(int key) { return 500 + key; }  // key 1..20
constexpr int pressedKeyBitmap(int key) { return 520 + key; }   // key 1..20
inline constexpr int kCursorBitmap = 541;            // 6 x 10
inline constexpr int kHighlightBitmap = 542;         // 120 x 10
inline constexpr int kAlphaOnBitmap = 543;           // 8 x 10
inline constexpr int kAlphaOffBitmap = 544;          // 8 x 10
inline constexpr int kStatusLineBitmap = 545;        // 127 x 10
inline constexpr int kFirstFaceBitmap = 500;
inline constexpr int kLastFaceBitmap = 545;

}  // namespace k60::sim
