// What a link command works with: the port, the clock, the user interface, the process's
// line settings, and the choices of the command (port name, rate, transport).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "link/clock.h"
#include "link/link_ui.h"
#include "link/serial_port.h"

namespace k60::link {

// How the port reaches the terminal. Only IrTransceiver runs the transceiver set-up;
// collection command 3032 passes the value 2, which behaves like Cable.
enum class Transport : int { Cable = 0, IrTransceiver = 1, CableAlternate = 2 };

struct LinkContext {
  SerialPort& port;
  Clock& clock;
  LinkUi& ui;
  LineSettings& line;  // lives for the whole process; never reset
};

// Thrown from a wait of a transfer that the person asked to stop. The command that opened
// the port catches it, purges and closes the port and says that the transfer was cancelled.
struct TransferCancelled {};

// One pause of a waiting loop: gives the CPU away, or ends the transfer when asked to.
inline void waitOrCancel(LinkContext& ctx) {
  if (ctx.ui.cancelRequested()) throw TransferCancelled{};
  ctx.clock.idle();
}

// After a cancel: the port is purged (the terminal may still be sending) and closed, and the
// person is told under `caption`.
void endCancelledTransfer(LinkContext& ctx, std::string_view caption);

struct LinkChoice {
  std::string portName;  // "COM1".."COM6" on Windows, a device path elsewhere
  int rateIndex = 0;     // 0..4: 115200, 57600, 38400, 19200, 9600
  Transport transport = Transport::Cable;
};

inline constexpr std::uint32_t kBaudRates[5] = {115200, 57600, 38400, 19200, 9600};

// The bit rate of a rate index; nothing for an index outside 0..4.
inline std::optional<std::uint32_t> baudRateOf(int rateIndex) {
  if (rateIndex < 0 || rateIndex > 4) return std::nullopt;
  return kBaudRates[rateIndex];
}

// The rate index of a bit rate; nothing for a rate that is not one of the five.
inline std::optional<int> rateIndexOf(std::uint32_t baud) {
  for (int i = 0; i < 5; ++i)
    if (kBaudRates[i] == baud) return i;
  return std::nullopt;
}

// "COM1".."COM6" for a port index; nothing for an index outside 0..5.
inline std::optional<std::string> comPortName(int portIndex) {
  if (portIndex < 0 || portIndex > 5) return std::nullopt;
  return "COM" + std::to_string(portIndex + 1);
}

}  // namespace k60::link
