// Drop-down lists filled from the template's choice texts, and their selection.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "template/choice_lists.h"

namespace k60::ui {

void addComboItem(HWND combo, std::string_view utf8);

// Fills the list in order and selects `selected`; a position outside the list (a damaged
// template's value) selects nothing.
void fillCombo(HWND combo, choices::List items, int selected);
// Adds `label(0)` .. `label(count - 1)`: lists whose texts are made from a number.
void fillNumberedCombo(HWND combo, int count, std::string (*label)(std::uint8_t));

// Selects `position`; one outside the list selects nothing.
void selectComboItem(HWND combo, int position);

// The selected position, or `kept` when nothing is selected.
std::uint8_t comboSelection(HWND combo, std::uint8_t kept);

}  // namespace k60::ui
