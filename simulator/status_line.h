// The main page's bottom line: month, day, time with a blinking colon, and the record counter.
#pragma once

#include <cstdint>
#include <string>

#include "simulator/local_clock.h"

namespace k60::sim {

inline constexpr int kStatusLineColumns = 20;
inline constexpr std::int32_t kCounterDigitsMax = 99999;

// Exactly 20 characters. A counter above 99999 shows 99999: the line has five digits, and
// showing the last five would make many records look like few.
std::string statusLine(const LocalTime& time, int clockPhase, std::int32_t records);

}  // namespace k60::sim
