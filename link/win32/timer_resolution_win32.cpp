// 1 ms timer ticks for the length of a transfer (the multimedia timer API), so that the
// link's 1 ms idle sleeps neither stretch to 15.6 ms nor need a busy loop.
#include <windows.h>
#include <mmsystem.h>

#include "link/system_clock.h"

namespace k60::link {

void raiseTimerResolution() { timeBeginPeriod(1); }
void restoreTimerResolution() { timeEndPeriod(1); }

}  // namespace k60::link
