// Key numbers of the terminal's keypad and what each key types: its digit and its letters.
#pragma once

#include <array>
#include <string_view>

namespace k60::sim {

// Keys are numbered 1..20 row by row from the top left of the keypad. Keys 1..11 type a
// digit (or '.') and, in alpha mode, one of three letters.
inline constexpr int kKeyCount = 20;
inline constexpr int kKeyEnter = 12;
inline constexpr int kKeyBackspace = 13;
inline constexpr int kKeySpace = 14;
inline constexpr int kKeyUp = 15;
inline constexpr int kKeyDown = 16;
inline constexpr int kKeyAlpha = 17;
inline constexpr int kKeyFn = 18;
inline constexpr int kKeyEsc = 19;
inline constexpr int kKeyPower = 20;

inline constexpr std::string_view kKeyDigits = "7894561230.";
inline constexpr std::array<std::string_view, 11> kKeyLetters = {
    "ABC", "DEF", "GHI", "JKL", "MNO", "PQR", "STU", "VWX", "YZ*", "+$/", "-%:"};

// The digit (or '.') that key 1..11 types; 0 for every other key.
constexpr char keyDigit(int key) {
  return key >= 1 && key <= 11 ? kKeyDigits[static_cast<std::size_t>(key - 1)] : '\0';
}

// The letter of key 1..11 for tap index 0..2; 0 for every other key.
constexpr char keyLetter(int key, int tap) {
  if (key < 1 || key > 11 || tap < 0 || tap > 2) return '\0';
  return kKeyLetters[static_cast<std::size_t>(key - 1)][static_cast<std::size_t>(tap)];
}

// The key that types `digit` ('0'..'9' or '.'); 0 when no key does.
constexpr int keyOfDigit(char digit) {
  const auto at = kKeyDigits.find(digit);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

// True for a character that some key of the keypad types (a digit, '.', a space or one of
// the letters), capitals only.
constexpr bool keypadTypes(char ch) {
  if (ch == ' ' || keyOfDigit(ch) != 0) return true;
  for (std::string_view letters : kKeyLetters)
    if (letters.find(ch) != std::string_view::npos) return true;
  return false;
}

// 1..9 for the keys labelled 1..9, 0 for every other key (the key labelled 0 too).
constexpr int keyLabelNumber(int key) {
  const char d = keyDigit(key);
  return d >= '1' && d <= '9' ? d - '0' : 0;
}

}  // namespace k60::sim
