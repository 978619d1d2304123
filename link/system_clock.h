// The real clock: milliseconds of the steady clock; idling sleeps about a millisecond.
#pragma once

#include "link/clock.h"

namespace k60::link {

// Holds the system timer at its finest resolution while it exists: on Windows a 1 ms sleep
// otherwise lasts a whole timer tick (about 15.6 ms), which would slow every wait of a
// transfer. Create one per transfer, not one per process.
class SystemClock : public Clock {
 public:
  SystemClock();
  ~SystemClock() override;
  SystemClock(const SystemClock&) = delete;
  SystemClock& operator=(const SystemClock&) = delete;

  std::uint32_t nowMs() override;
  // Sleeps, never spins: a 9 s wait for a silent terminal costs next to no CPU.
  void idle() override;
  std::uint64_t nowUs() override;
  // One sleep of `us` (at least; the system may wake a little later).
  void sleepUs(std::uint64_t us) override;
};

// The platform's part of SystemClock: asks for 1 ms timer ticks, and gives them back.
void raiseTimerResolution();
void restoreTimerResolution();

}  // namespace k60::link
