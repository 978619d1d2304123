// The local-time seam of the status line: the window reads the system clock, tests and
// k60tool a clock of their own.
#pragma once

namespace k60::sim {

struct LocalTime {
  int year = 2000;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;   // 0..23
  int minute = 0; // 0..59
};

class LocalClock {
 public:
  virtual ~LocalClock() = default;
  virtual LocalTime now() = 0;
};

// The machine's local time.
class SystemLocalClock : public LocalClock {
 public:
  LocalTime now() override;
};

}  // namespace k60::sim
