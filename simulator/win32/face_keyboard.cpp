// The PC keyboard on the terminal face.
#include "simulator/win32/face_keyboard.h"

#include "simulator/face_bitmaps.h"
#include "simulator/keypad.h"
#include "simulator/keypad_hit_test.h"
#include "simulator/win32/face_mouse.h"
#include "simulator/win32/face_paint.h"
#include "simulator/win32/face_window_data.h"

namespace k60::sim {
namespace {

constexpr UINT kTypingCheckMs = 10;
constexpr LPARAM kRepeatFlag = 1 << 30;  // the key was already down: an auto-repeat

// F1 stays free for help; F2, F3 and F4 are the keypad's Alpha, FN and PWR.
int keypadKey(WPARAM vk) {
  if (vk >= '0' && vk <= '9') return keyOfDigit(static_cast<char>(vk));
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return keyOfDigit(static_cast<char>('0' + vk - VK_NUMPAD0));
  switch (vk) {
    case VK_DECIMAL:
    case VK_OEM_PERIOD: return keyOfDigit('.');
    case VK_RETURN: return kKeyEnter;
    case VK_BACK: return kKeyBackspace;
    case VK_SPACE: return kKeySpace;
    case VK_UP: return kKeyUp;
    case VK_DOWN: return kKeyDown;
    case VK_ESCAPE: return kKeyEsc;
    case VK_F2: return kKeyAlpha;
    case VK_F3: return kKeyFn;
    case VK_F4: return kKeyPower;
    default: return 0;
  }
}

// Keys whose press has no character message of its own.
bool actsOnKeyDown(int key) { return key == kKeyUp || key == kKeyDown || key == kKeyAlpha || key == kKeyFn; }

void drawKey(const FaceWindow& face, int key, bool pressed) {
  const PixelPoint at = keyTopLeft(key);
  HDC dc = GetDC(face.hwnd);
  blit(dc, face.bitmaps.get(pressed ? pressedKeyBitmap(key) : releasedKeyBitmap(key)), at.x, at.y);
  ReleaseDC(face.hwnd, dc);
}

void passOn(FaceWindow& face, const TypedGroup& group) {
  if (const auto text = scanText(group)) return face.simulator.scan(*text);
  for (const TypedItem& item : group) {
    if (item.ch) face.simulator.typeCharacter(item.ch);
    else face.simulator.keyPress(item.key);
  }
}

void hold(FaceWindow& face, TypedItem item) {
  if (auto released = face.typed.add(item, face.milliseconds())) passOn(face, *released);
  SetTimer(face.hwnd, kTypingTimer, kTypingCheckMs, nullptr);
}

}  // namespace

void onKeyDown(FaceWindow& face, WPARAM vk, LPARAM flags) {
  const int key = keypadKey(vk);
  if (!key || (flags & kRepeatFlag)) return;  // the terminal's keys do not repeat
  drawKey(face, key, true);
  if (actsOnKeyDown(key)) hold(face, {0, key});
}

// PWR acts at its release, as on the picture: after everything typed before it.
void onKeyUp(FaceWindow& face, WPARAM vk) {
  const int key = keypadKey(vk);
  if (!key) return;
  drawKey(face, key, false);
  if (key != kKeyPower) return;
  if (auto held = face.typed.flush()) passOn(face, *held);
  const PixelPoint at = keyTopLeft(kKeyPower);
  showCommandMenu(face, {at.x, at.y});
}

void onChar(FaceWindow& face, WPARAM ch, LPARAM flags) {
  if (flags & kRepeatFlag) return;
  switch (ch) {
    case '\r':
    case '\n':  // scanners set to end with a line feed (and Ctrl+Enter) send this one
      return hold(face, {0, kKeyEnter});
    case '\b': return hold(face, {0, kKeyBackspace});
    case 0x1B: return hold(face, {0, kKeyEsc});
    default:
      // Only what one byte can hold reaches the keypad; the simulator ignores the rest.
      if (ch >= 0x20 && ch < 0x7F) hold(face, {static_cast<char>(ch), 0});
  }
}

void onTypingTimer(FaceWindow& face) {
  if (auto group = face.typed.due(face.milliseconds())) passOn(face, *group);
  if (face.typed.empty()) KillTimer(face.hwnd, kTypingTimer);
}

}  // namespace k60::sim
