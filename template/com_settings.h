// The COM port settings of the template: port index 0..5 names COM1..COM6, rate index 0..4
// one of the five bit rates. The dialogs, the link and k60tool all take them from here.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace k60 {

inline constexpr std::array<std::string_view, 6> kComPortNames = {"COM1", "COM2", "COM3", "COM4", "COM5", "COM6"};
inline constexpr std::array<std::uint32_t, 5> kComRates = {115200, 57600, 38400, 19200, 9600};

// The bit rate of a rate index; nothing for an index outside 0..4.
constexpr std::optional<std::uint32_t> baudRateOf(int rateIndex) {
  if (rateIndex < 0 || rateIndex >= static_cast<int>(kComRates.size())) return std::nullopt;
  return kComRates[static_cast<std::size_t>(rateIndex)];
}

// The rate index of a bit rate; nothing for a rate that is not one of the five.
constexpr std::optional<int> rateIndexOf(std::uint32_t baud) {
  for (std::size_t i = 0; i < kComRates.size(); ++i)
    if (kComRates[i] == baud) return static_cast<int>(i);
  return std::nullopt;
}

}  // namespace k60
