// The machine's local time, as Windows keeps it.
#include <windows.h>

#include "simulator/local_clock.h"

namespace k60::sim {

LocalTime SystemLocalClock::now() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute};
}

}  // namespace k60::sim
