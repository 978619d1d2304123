// An IR transceiver for tests: plays the adapter on a ScriptedPort's onWrite hook.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "link/link_context.h"
#include "tests/link/recording_ui.h"
#include "tests/link/scripted_port.h"

namespace k60::link::test {

// In command mode (DTR high, RTS low) at the rate it listens at, it echoes 0x0F and takes
// 0x07, a rate byte "2".."6" and "Q" as the command to listen at a new rate.
struct TransceiverDouble {
  std::uint32_t rate = 9600;
  std::uint32_t echoDelayMs = 5;
  std::optional<std::uint32_t> garbageAt;  // at this rate it answers 0x55 instead of nothing
  int probes = 0;

  void attach(ScriptedPort& port) {
    port.onWrite = [this](ScriptedPort& p, std::span<const std::uint8_t> bytes) { take(p, bytes); };
  }

 private:
  enum class Step { Idle, WantRate, WantCommit };
  Step step_ = Step::Idle;
  std::uint32_t pending_ = 0;

  static std::uint32_t rateOfCommand(std::uint8_t b) {
    switch (b) {
      case '6': return 115200;
      case '5': return 57600;
      case '4': return 38400;
      case '3': return 19200;
      case '2': return 9600;
      default: return 0;
    }
  }

  void take(ScriptedPort& p, std::span<const std::uint8_t> bytes) {
    const bool commandMode = p.current.dtrHigh && !p.current.rtsHigh;
    if (bytes.size() != 1 || !commandMode) return;
    const std::uint8_t b = bytes[0];
    if (b == 0x0F) {
      ++probes;
      const std::uint8_t garbage = 0x55;
      if (p.current.baudRate == rate) p.reply(std::span<const std::uint8_t>(&b, 1), echoDelayMs);
      else if (garbageAt == p.current.baudRate) p.reply(std::span<const std::uint8_t>(&garbage, 1), 5);
      return;
    }
    if (p.current.baudRate != rate) return;
    if (b == 0x07) step_ = Step::WantRate;
    else if (step_ == Step::WantRate && rateOfCommand(b)) pending_ = rateOfCommand(b), step_ = Step::WantCommit;
    else if (step_ == Step::WantCommit && b == 'Q') rate = pending_, step_ = Step::Idle;
    else step_ = Step::Idle;
  }
};

// A scripted port with the transceiver on it and a link context around them; the clock
// starts at 1000 ms.
struct TransceiverRig {
  VirtualClock clock{1000};
  ScriptedPort port{clock};
  RecordingUi ui;
  LineSettings line;
  LinkContext ctx{port, clock, ui, line};
  TransceiverDouble transceiver;

  TransceiverRig() { transceiver.attach(port); }
};

}  // namespace k60::link::test
