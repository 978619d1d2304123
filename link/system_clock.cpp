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

std::uint64_t SystemClock::nowUs() {
  using namespace std::chrono;
  return static_cast<std::uint64_t>(duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count());
}

void SystemClock::sleepUs(std::uint64_t us) {
  if (us > 0) std::this_thread::sleep_for(std::chrono::microseconds(us));
}

}  // namespace k60::link
