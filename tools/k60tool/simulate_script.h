// simulate's command line pieces: the key script (key names and waits) and the start time.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace k60::tool {

// One step of a key script: a key press (key number 1..20) or a wait of some milliseconds.
struct ScriptStep {
  int key = 0;
  long long waitMs = 0;
};

inline constexpr long long kMaxWaitMs = 24LL * 60 * 60 * 1000;

// "7,Enter,wait:800,..." into steps. No result when a name is unknown or a wait is not a
// number of milliseconds from 0 to one day; `bad` then names the offending item.
std::optional<std::vector<ScriptStep>> parseKeyScript(std::string_view keys, std::string& bad);

// "YYYY-MM-DDTHH:MM" as local time; no result for any other form or an impossible date.
std::optional<std::chrono::sys_time<std::chrono::minutes>> parseStartTime(std::string_view text);

}  // namespace k60::tool
