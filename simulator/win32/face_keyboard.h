// The PC keyboard on the terminal face: the keys that drive the keypad, drawn pressed while
// held, and typed characters, held briefly so that a barcode scanner's burst is one scan.
#pragma once

#include <windows.h>

namespace k60::sim {

struct FaceWindow;

// The timer that passes held input on once it has waited its 30 ms.
inline constexpr UINT_PTR kTypingTimer = 2;

void onKeyDown(FaceWindow& face, WPARAM virtualKey, LPARAM flags);
void onKeyUp(FaceWindow& face, WPARAM virtualKey);
void onChar(FaceWindow& face, WPARAM ch, LPARAM flags);
void onTypingTimer(FaceWindow& face);

}  // namespace k60::sim
