// Builds the status line text from the local time, clock phase and record counter.
#include "simulator/status_line.h"

#include <algorithm>
#include <cstdio>

#include "simulator/simulator_texts.h"

namespace k60::sim {

std::string statusLine(const LocalTime& time, int clockPhase, std::int32_t records) {
  const int month = std::clamp(time.month, 1, 12);
  std::string line(text::kMonths[static_cast<std::size_t>(month - 1)]);

  char clock[16];
  const char* format = clockPhase < 5 ? text::kClockFormat : text::kClockFormatBlink;
  std::snprintf(clock, sizeof clock, format, std::clamp(time.day, 1, 31), std::clamp(time.hour, 0, 23),
                std::clamp(time.minute, 0, 59));
  line += clock;

  char counter[8];
  std::snprintf(counter, sizeof counter, "%05d", static_cast<int>(std::clamp(records, 0, kCounterDigitsMax)));
  line += counter;
  return line;
}

}  // namespace k60::sim
