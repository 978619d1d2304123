// The multi-tap letter cycle and its time-out.
#include "simulator/multi_tap.h"

#include "simulator/keypad.h"

namespace k60::sim {

char MultiTap::press(int key) {
  ticks_ = 0;
  tap_ = pending_ ? (tap_ + 1) % 3 : 0;
  letter_ = keyLetter(key, tap_);
  pending_ = true;
  return letter_;
}

char MultiTap::take() {
  pending_ = false;
  return letter_;
}

bool MultiTap::tick() {
  if (!pending_) return false;
  return ticks_++ >= kTimeoutTicks - 1;
}

}  // namespace k60::sim
