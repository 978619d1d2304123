// simulate's command line pieces: the key script (key names and waits) and the start time.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace k60::tool {

// One step of a key script: a key press (key number 1..20), a wait of some milliseconds,
// characters typed on the PC keyboard, or a barcode scan (its characters, then Enter).
struct ScriptStep {
  int key = 0;
  long long waitMs = 0;
  std::string typed;
  std::string scanned;
};

inline constexpr long long kMaxWaitMs = 24LL * 60 * 60 * 1000;

// "7,Enter,wait:800,type:AB12,scan:6901234567892,..." into steps (a text runs to the next
// comma). No result when a name is unknown or a wait is not a
// number of milliseconds from 0 to one day; `bad` then names the offending item.
std::optional<std::vector<ScriptStep>> parseKeyScript(std::string_view keys, std::string& bad);

// "YYYY-MM-DDTHH:MM" as local time; no result for any other form or an impossible date.
std::optional<std::chrono::sys_time<std::chrono::minutes>> parseStartTime(std::string_view text);

}  // namespace k60::tool
