// The machine's local time, through the C library's thread-safe conversion.
#include <ctime>

#include "simulator/local_clock.h"

namespace k60::sim {

LocalTime SystemLocalClock::now() {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min};
}

}  // namespace k60::sim
