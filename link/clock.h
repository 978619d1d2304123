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
  // Lets `ms` milliseconds pass (a pause, or the wait until the next byte is due). This one
  // idles until they have; a clock that can sleep for a given time sleeps once.
  virtual void sleepFor(std::uint32_t ms) {
    const std::uint32_t start = nowMs();
    while (elapsedMs(start, nowMs()) < ms) idle();
  }
};

}  // namespace k60::link
