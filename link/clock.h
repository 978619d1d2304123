// The clock seam: the millisecond tick that every link wait is measured against.
#pragma once

#include <cstdint>

namespace k60::link {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since an arbitrary start; wraps like the platform's tick counter, so
  // compare with elapsedMs(), never with <.
  virtual std::uint32_t nowMs() = 0;
  // Called by a waiting loop between polls: gives the CPU away for about a millisecond.
  virtual void idle() = 0;
};

inline std::uint32_t elapsedMs(std::uint32_t since, std::uint32_t now) { return now - since; }

}  // namespace k60::link
