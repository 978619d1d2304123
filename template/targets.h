// Target numbers: where the terminal application goes next, one byte wherever a form or a
// menu is named: 0 the main menu, 1..10 forms 1..10, 11..20 menus 1..10.
#pragma once

#include <cstdint>

#include "template/layout.h"

namespace k60 {

inline constexpr std::uint8_t kMainMenuTarget = 0;
inline constexpr std::uint8_t kFirstFormTarget = 1;
inline constexpr std::uint8_t kLastFormTarget = kFirstFormTarget + kFormCount - 1;
inline constexpr std::uint8_t kFirstMenuTarget = kLastFormTarget + 1;
inline constexpr std::uint8_t kLastMenuTarget = kFirstMenuTarget + kMenuCount - 1;
inline constexpr int kTargetCount = kLastMenuTarget + 1;

constexpr bool isFormTarget(int target) { return target >= kFirstFormTarget && target <= kLastFormTarget; }
constexpr bool isMenuTarget(int target) { return target >= kFirstMenuTarget && target <= kLastMenuTarget; }
// Form `index` 0..9 and menu `index` 0..9 as targets, and back.
constexpr std::uint8_t formTarget(std::size_t index) { return static_cast<std::uint8_t>(kFirstFormTarget + index); }
constexpr std::uint8_t menuTarget(std::size_t index) { return static_cast<std::uint8_t>(kFirstMenuTarget + index); }
constexpr std::size_t formIndex(int target) { return static_cast<std::size_t>(target - kFirstFormTarget); }
constexpr std::size_t menuIndex(int target) { return static_cast<std::size_t>(target - kFirstMenuTarget); }

}  // namespace k60
