// The labels "1" to "10" of the form page's and menu page's numbered entries.
#pragma once

#include <array>
#include <string_view>

namespace k60::editor {

inline constexpr std::array<std::string_view, 10> kNumberLabels = {"1", "2", "3", "4", "5",
                                                                   "6", "7", "8", "9", "10"};

}  // namespace k60::editor
