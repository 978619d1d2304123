// The simulator's fixed texts: the no-program message (UTF-8, for the message box) and the
// status line and error screen pieces (ASCII, as they appear on the LCD).
#pragma once

#include <array>
#include <string_view>

namespace k60::sim::text {

inline constexpr std::string_view kNoProgramMessage = "请定义您的应用程序!!";
inline constexpr std::string_view kNoProgramCaption = "没有可执行的程序";

inline constexpr std::string_view kErrorFrame = "********************";

inline constexpr std::array<std::string_view, 12> kMonths = {
    "JAN ", "FEB ", "MAR ", "APR ", "MAY ", "JUN ", "JUL ", "AUG ", "SEP ", "OCT ", "NOV ", "DEC "};

// Day, hour and minute while the colon shows (clock phase 0..4) and while it is blank.
inline constexpr const char* kClockFormat = "%2d, %2d:%-2d  ";
inline constexpr const char* kClockFormatBlink = "%2d, %2d %-2d  ";

}  // namespace k60::sim::text
