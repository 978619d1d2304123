// The IR transceiver set-up: find the rate it listens at, then command it to the chosen rate.
#include <array>

#include "link/port_setup.h"

namespace k60::link {
namespace {

// Command mode is DTR high with RTS low: bytes written are for the transceiver itself.
constexpr std::uint8_t kProbe = 0x0F;  // echoed at the rate the transceiver listens at
constexpr std::uint8_t kSetRate = 0x07;
constexpr std::uint8_t kCommit = 0x51;  // "Q"
// The rates in the order they are probed.
constexpr std::array<std::uint32_t, 5> kProbeRates = {kComRates[4], kComRates[0], kComRates[2], kComRates[1], kComRates[3]};
constexpr std::uint32_t kSetupRate = kComRates[2];  // 38400
constexpr std::uint32_t kEchoWaitMs = 100;

// Puts the transceiver in command mode (RTS low) or normal mode (RTS high), then pauses.
bool setMode(LinkContext& ctx, bool normal) {
  ctx.line.rtsHigh = normal;
  const bool applied = ctx.port.applyLineSettings(ctx.line);
  pause(ctx.clock);
  return applied;
}

bool writeCommand(LinkContext& ctx, std::uint8_t command) {
  const bool written = ctx.port.write(std::span<const std::uint8_t>(&command, 1)) == 1;
  pause(ctx.clock);
  return written;
}

// Polls one byte at a time for up to 100 ms; the first byte decides.
bool echoArrives(LinkContext& ctx) {
  const std::uint32_t start = ctx.clock.nowMs();
  for (;;) {
    std::uint8_t b = 0;
    if (ctx.port.read(std::span<std::uint8_t>(&b, 1)) == 1) return b == kProbe;
    const std::uint32_t elapsed = elapsedMs(start, ctx.clock.nowMs());
    if (elapsed >= kEchoWaitMs) return false;
    waitOrCancel(ctx, kEchoWaitMs - elapsed);
  }
}

// Asks at `rate` in command mode and returns to normal mode. A rate the port refuses cannot
// be the one the transceiver listens at: nothing is written and the next rate is tried.
bool probe(LinkContext& ctx, std::uint32_t rate) {
  ctx.line.baudRate = rate;
  bool answered = false;
  if (setMode(ctx, false)) {
    // A late echo of an earlier probe must not pass for this rate's answer.
    ctx.port.purgeReceive();
    answered = writeCommand(ctx, kProbe) && echoArrives(ctx);
  }
  return setMode(ctx, true) && answered;
}

// Leaves the first rate that answered assigned.
bool findListeningRate(LinkContext& ctx) {
  for (std::uint32_t rate : kProbeRates)
    if (probe(ctx, rate)) return true;
  return false;
}

bool commandRate(LinkContext& ctx, int rateIndex) {
  if (!setMode(ctx, false) || !writeCommand(ctx, kSetRate)) return false;
  const std::uint8_t command = irRateCommand(rateIndex);
  const bool rateSent = ctx.port.write(std::span<const std::uint8_t>(&command, 1)) == 1;
  ctx.line.baudRate = kComRates[static_cast<std::size_t>(rateIndex)];  // applied with normal mode below
  pause(ctx.clock);
  return rateSent && writeCommand(ctx, kCommit) && setMode(ctx, true);
}

}  // namespace

bool setUpIrTransceiver(LinkContext& ctx, int rateIndex) {
  if (!baudRateOf(rateIndex)) return false;
  ctx.line.assign8N1(kSetupRate);
  ctx.port.setReadsReturnAtOnce();
  ctx.line.dtrHigh = true;
  const bool ok = setMode(ctx, true) && findListeningRate(ctx) && commandRate(ctx, rateIndex);
  // Whatever happened, later commands find the transceiver's lines in normal mode.
  ctx.line.rtsHigh = true;
  ctx.line.dataBits = 8;
  ctx.line.parityNone = true;
  return ok;
}

}  // namespace k60::link
