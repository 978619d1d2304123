// Drop-down lists filled from the template's choice texts.
#include "ui/win32/combo_box.h"

#include <string>

#include "template/win32/utf16_text.h"

namespace k60::ui {

void addComboItem(HWND combo, std::string_view utf8) {
  const std::wstring item = utf8ToUtf16(std::string(utf8));
  SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void fillCombo(HWND combo, choices::List items, int selected) {
  for (std::string_view item : items) addComboItem(combo, item);
  selectComboItem(combo, selected);
}

void fillNumberedCombo(HWND combo, int count, std::string (*label)(std::uint8_t)) {
  for (int i = 0; i < count; ++i) addComboItem(combo, label(static_cast<std::uint8_t>(i)));
}

void selectComboItem(HWND combo, int position) {
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
}

std::uint8_t comboSelection(HWND combo, std::uint8_t kept) {
  const LRESULT pos = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  return pos == CB_ERR ? kept : static_cast<std::uint8_t>(pos);
}

}  // namespace k60::ui
