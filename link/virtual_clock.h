// A clock for tests: time moves only when the engine idles or the test advances it, so a
// 12 s time-out runs in microseconds.
#pragma once

#include "link/clock.h"

namespace k60::link {

class VirtualClock : public Clock {
 public:
  explicit VirtualClock(std::uint32_t startMs = 1000) : now_(startMs) {}
  std::uint32_t nowMs() override { return now_; }
  void idle() override { now_ += 1; }
  void advance(std::uint32_t ms) { now_ += ms; }

 private:
  std::uint32_t now_;
};

}  // namespace k60::link
