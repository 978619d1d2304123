// Key names and waits of a simulate script, and its start time.
#include "tools/k60tool/simulate_script.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

#include "simulator/keypad.h"

namespace k60::tool {
namespace {

struct KeyName {
  std::string_view name;
  int key;
};

constexpr std::array<KeyName, 9> kNamedKeys = {{
    {"Enter", sim::kKeyEnter},
    {"BS", sim::kKeyBackspace},
    {"SP", sim::kKeySpace},
    {"Up", sim::kKeyUp},
    {"Down", sim::kKeyDown},
    {"Alpha", sim::kKeyAlpha},
    {"FN", sim::kKeyFn},
    {"ESC", sim::kKeyEsc},
    {"PWR", sim::kKeyPower},
}};

constexpr std::string_view kWaitPrefix = "wait:";
constexpr std::string_view kTypePrefix = "type:";
constexpr std::string_view kScanPrefix = "scan:";

bool sameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::optional<long long> number(std::string_view s) {
  long long value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return value;
}

// The text after `prefix`, when `item` starts with it and has some.
std::optional<std::string_view> after(std::string_view item, std::string_view prefix) {
  if (item.size() <= prefix.size() || !sameName(item.substr(0, prefix.size()), prefix)) return std::nullopt;
  return item.substr(prefix.size());
}

std::optional<ScriptStep> parseStep(std::string_view item) {
  if (item.size() == 1 && sim::keyOfDigit(item[0]) != 0) return ScriptStep{sim::keyOfDigit(item[0]), 0};
  for (const KeyName& k : kNamedKeys)
    if (sameName(item, k.name)) return ScriptStep{k.key, 0};
  if (const auto wait = after(item, kWaitPrefix)) {
    const auto ms = number(*wait);
    if (ms && *ms >= 0 && *ms <= kMaxWaitMs) return ScriptStep{0, *ms};
  }
  if (const auto typed = after(item, kTypePrefix)) return ScriptStep{0, 0, std::string(*typed), {}};
  if (const auto scanned = after(item, kScanPrefix)) return ScriptStep{0, 0, {}, std::string(*scanned)};
  return std::nullopt;
}

}  // namespace

std::optional<std::vector<ScriptStep>> parseKeyScript(std::string_view keys, std::string& bad) {
  std::vector<ScriptStep> steps;
  while (!trimmed(keys).empty()) {
    const std::size_t comma = keys.find(',');
    const std::string_view item = trimmed(keys.substr(0, comma));
    const auto step = parseStep(item);
    if (!step) {
      bad = std::string(item);
      return std::nullopt;
    }
    steps.push_back(*step);
    keys = comma == std::string_view::npos ? std::string_view() : keys.substr(comma + 1);
  }
  return steps;
}

std::optional<std::chrono::sys_time<std::chrono::minutes>> parseStartTime(std::string_view text) {
  using namespace std::chrono;
  // Positions of the separators in YYYY-MM-DDTHH:MM.
  if (text.size() != 16 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':')
    return std::nullopt;
  // Digits only: "T-1:00" is no hour.
  const auto digits = [](std::string_view s) {
    return s.find_first_not_of("0123456789") == std::string_view::npos ? number(s) : std::nullopt;
  };
  const auto y = digits(text.substr(0, 4)), mo = digits(text.substr(5, 2)), d = digits(text.substr(8, 2));
  const auto h = digits(text.substr(11, 2)), mi = digits(text.substr(14, 2));
  if (!y || !mo || !d || !h || !mi || *h > 23 || *mi > 59) return std::nullopt;
  const year_month_day date{year(static_cast<int>(*y)), month(static_cast<unsigned>(*mo)), day(static_cast<unsigned>(*d))};
  if (!date.ok()) return std::nullopt;
  return sys_days(date) + hours(*h) + minutes(*mi);
}

}  // namespace k60::tool
