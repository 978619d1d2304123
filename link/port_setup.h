// Opening and configuring the port for a transfer, the IR transceiver set-up and the pause.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "link/link_context.h"
#include "template/store.h"

namespace k60::link {

// Waits until at least `ms` have passed on the clock, idling between looks.
void pause(Clock& clock, std::uint32_t ms = 100);

// Finds the rate at which the transceiver listens (five probes) and commands it to the rate
// of `rateIndex`; ends in normal mode at the new rate. Assigns ctx.line as it goes (DTR and
// RTS high from then on). false when no probe was answered.
bool setUpIrTransceiver(LinkContext& ctx, int rateIndex);

// The transceiver's rate command for rate index 0..4: '6' for 115200 down to '2' for 9600;
// and back (nothing for another byte).
constexpr std::uint8_t irRateCommand(int rateIndex) { return static_cast<std::uint8_t>('6' - rateIndex); }
constexpr std::optional<int> rateIndexOfIrCommand(std::uint8_t command) {
  if (command < '2' || command > '6') return std::nullopt;
  return '6' - command;
}

// Opens the port for a download (program or lookup file): queue sizes 256/1200, rate and
// 8-N-1, the IR set-up for transport 1, the line settings applied. On failure shows the
// download's message, closes the port and returns false.
bool openPortForDownload(LinkContext& ctx, const LinkChoice& choice);

// Opens the port for data collection: queue sizes 256/256, the IR set-up first for
// transport 1, then rate and 8-N-1, line settings and transfer time-outs. On failure shows
// the collection's message (none when applying the line settings fails), closes the port
// and returns false.
bool openPortForCollection(LinkContext& ctx, const LinkChoice& choice);

// After a download: drops what was received, closes the port.
void closePortAfterDownload(LinkContext& ctx);

// The port name and rate of the template's COM settings, for the Windows program. A damaged
// template's index outside 0..5 or 0..4 gives nothing and a message for the user in
// `error` (UTF-8), so that the command stops before the port is opened.
std::optional<LinkChoice> linkChoiceFromTemplate(const Template& t, Transport transport,
                                                 std::string* error);

}  // namespace k60::link
