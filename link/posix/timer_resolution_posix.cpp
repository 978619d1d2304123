// POSIX sleeps are already fine-grained: nothing to raise.
#include "link/system_clock.h"

namespace k60::link {

void raiseTimerResolution() {}
void restoreTimerResolution() {}

}  // namespace k60::link
