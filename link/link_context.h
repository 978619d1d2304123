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
#include "template/com_settings.h"

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

// The longest a waiting loop stays in one wait: how soon a request to stop is seen.
inline constexpr std::uint32_t kCancelCheckMs = 50;

// One wait of a waiting loop: until a byte can be read or `msLeft` (the time to the loop's
// own deadline) has passed, at most kCancelCheckMs; or ends the transfer when asked to.
// The loop reads and checks its deadline again after every wait, so a wait that returns
// early changes nothing but the number of turns.
inline void waitOrCancel(LinkContext& ctx, std::uint32_t msLeft) {
  if (ctx.ui.cancelRequested()) throw TransferCancelled{};
  ctx.port.waitForInput(ctx.clock, msLeft < kCancelCheckMs ? msLeft : kCancelCheckMs);
}

// The time left until a loop that gives up once more than `limitMs` have passed since
// `start` would give up (at least 1: the loop checks before it waits).
inline std::uint32_t msUntilPast(Clock& clock, std::uint32_t start, std::uint32_t limitMs) {
  const std::uint32_t elapsed = elapsedMs(start, clock.nowMs());
  return elapsed <= limitMs ? limitMs - elapsed + 1 : 1;
}

// After a cancel: the port is purged (the terminal may still be sending) and closed, and the
// person is told under `caption`.
void endCancelledTransfer(LinkContext& ctx, std::string_view caption);

struct LinkChoice {
  std::string portName;  // "COM1".."COM6" on Windows, a device path elsewhere
  int rateIndex = 0;     // 0..4, an index of kComRates
  Transport transport = Transport::Cable;
};

using k60::baudRateOf;
using k60::rateIndexOf;

// How long the terminal may take to answer: a download's reply, the collection's handshake.
inline constexpr std::uint32_t kReplyTimeoutMs = 3000;

// "COM1".."COM6" for a port index; nothing for an index outside 0..5.
inline std::optional<std::string> comPortName(int portIndex) {
  if (portIndex < 0 || portIndex >= static_cast<int>(kComPortNames.size())) return std::nullopt;
  return std::string(kComPortNames[static_cast<std::size_t>(portIndex)]);
}

}  // namespace k60::link
