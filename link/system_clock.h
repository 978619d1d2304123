// The real clock: milliseconds of the steady clock; idling sleeps about a millisecond.
#pragma once

#include "link/clock.h"

namespace k60::link {

class SystemClock : public Clock {
 public:
  std::uint32_t nowMs() override;
  // Sleeps, never spins: a 9 s wait for a silent terminal costs next to no CPU.
  void idle() override;
};

}  // namespace k60::link
