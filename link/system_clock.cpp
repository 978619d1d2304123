// The real clock on the standard library's steady clock.
#include "link/system_clock.h"

#include <chrono>
#include <thread>

namespace k60::link {

SystemClock::SystemClock() { raiseTimerResolution(); }

SystemClock::~SystemClock() { restoreTimerResolution(); }

std::uint32_t SystemClock::nowMs() {
  using namespace std::chrono;
  const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  return static_cast<std::uint32_t>(ms);  // wraps like a tick counter
}

void SystemClock::idle() { std::this_thread::sleep_for(std::chrono::milliseconds(1)); }

void SystemClock::sleepFor(std::uint32_t ms) {
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace k60::link
