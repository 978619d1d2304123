// The clock seam: the millisecond tick that every link wait is measured against.
#pragma once

#include <cstdint>

namespace k60::link {

inline std::uint32_t elapsedMs(std::uint32_t since, std::uint32_t now) { return now - since; }

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since an arbitrary start; wraps like the platform's tick counter, so
  // compare with elapsedMs(), never with <.
  virtual std::uint32_t nowMs() = 0;
  // Called by a waiting loop between polls: gives the CPU away for about a millisecond.
  virtual void idle() = 0;
  // Microseconds on a time line of its own, for pacing bytes finer than the tick. This one
  // counts whole ticks.
  virtual std::uint64_t nowUs() { return std::uint64_t{nowMs()} * 1000; }
  // Lets `us` microseconds pass (a pause, the wait until a paced byte has crossed). This one
  // idles whole ticks until they have; a clock that can sleep for a given time sleeps once.
  virtual void sleepUs(std::uint64_t us) {
    const auto ms = static_cast<std::uint32_t>((us + 999) / 1000);
    const std::uint32_t start = nowMs();
    while (elapsedMs(start, nowMs()) < ms) idle();
  }
};

}  // namespace k60::link
