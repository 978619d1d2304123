// The terminal peer's main loop: takes bytes, dispatches them by state, answers commands.
#include "link/terminal_peer.h"

#include <algorithm>
#include <array>

#include "link/link_messages.h"
#include "link/port_setup.h"

namespace k60::link::peer {
namespace {

constexpr std::uint8_t kIrProbe = 0x0F;
constexpr std::uint8_t kIrCommand = 0x07;
constexpr std::uint8_t kIrConfirm = 0x51;
constexpr std::size_t kMaxLine = 300;  // longer than any block or line the PC sends
constexpr std::array<std::uint8_t, 3> kNoise = {0xA5, 0x5A, 0x7E};

// The rate of an IR rate command byte ("2" 9600 .. "6" 115200); 0 for any other byte.
std::uint32_t irRateOf(std::uint8_t command) {
  const auto index = rateIndexOfIrCommand(command);
  return index ? kComRates[static_cast<std::size_t>(*index)] : 0;
}

}  // namespace

TerminalPeer::TerminalPeer(SerialPort& port, Clock& clock, PeerOptions options, PeerSink& sink)
    : port_(port), clock_(clock), options_(std::move(options)), sink_(sink) {
  rejectsLeft_ = options_.faults.rejectTimes;
  dropsLeft_ = options_.faults.dropTimes;
  lastByteMs_ = clock_.nowMs();
}

void TerminalPeer::step() {
  if (state_ == State::Collect) sendLateLine();
  std::array<std::uint8_t, 256> in{};
  const std::size_t n = port_.read(in);
  if (n > 0) lastByteMs_ = clock_.nowMs();
  for (std::size_t i = 0; i < n; ++i) {
    take(in[i]);
    if (!dropRestOfRead_) continue;
    dropRestOfRead_ = false;
    if (i + 1 < n) sink_.note("dropped " + std::to_string(n - i - 1) + " bytes that came with the command");
    break;
  }
  checkGap();
  dropRestOfRead_ = false;  // a command taken after the gap has no read of its own
}

void TerminalPeer::waitForInput(std::uint32_t maxMs) {
  const std::uint32_t now = clock_.nowMs();
  std::uint32_t ms = maxMs;
  if (!lateLine_.empty()) {
    const auto untilLate = static_cast<std::int32_t>(lateAtMs_ - now);
    ms = std::min(ms, untilLate > 0 ? static_cast<std::uint32_t>(untilLate) : 0u);
  }
  if (!buffer_.empty()) {
    const std::uint32_t quiet = elapsedMs(lastByteMs_, now);
    ms = std::min(ms, quiet < options_.gapMs ? options_.gapMs - quiet : 0u);
  }
  if (ms > 0) port_.waitForInput(clock_, ms);
}

void TerminalPeer::take(std::uint8_t byte) {
  switch (state_) {
    case State::Idle: return takeIdle(byte);
    case State::IrRate:
    case State::IrConfirm: return takeIr(byte);
    case State::Download: return takeDownload(byte);
    case State::Collect: return takeCollect(byte);
  }
}

void TerminalPeer::checkGap() {
  if (buffer_.empty() || elapsedMs(lastByteMs_, clock_.nowMs()) < options_.gapMs) return;
  if (state_ == State::Download) return downloadGap();
  sink_.note("dropped " + std::to_string(buffer_.size()) + " bytes without an end");
  buffer_.clear();
}

void TerminalPeer::send(std::span<const std::uint8_t> bytes, bool noisy) {
  lastAnswerNoisy_ = noisy;
  if (options_.faults.silent) return;
  if (noisy) port_.write(kNoise);
  port_.write(bytes);
}

void TerminalPeer::answer(std::string_view text, bool noisy) { send(bytesOf(text), noisy); }

void TerminalPeer::endSession() {
  ++sessions_;
  backToIdle();
}

void TerminalPeer::backToIdle() {
  state_ = State::Idle;
  buffer_.clear();
}

void TerminalPeer::takeIdle(std::uint8_t byte) {
  if (options_.ir && buffer_.empty() && (byte == kIrProbe || byte == kIrCommand)) {
    if (byte == kIrCommand) {
      state_ = State::IrRate;
      return;
    }
    const bool answered = ++probes_ == options_.faults.irAnswerProbe;
    sink_.note("IR probe " + std::to_string(probes_) + (answered ? " answered" : " ignored"));
    if (answered) send(std::span(&kIrProbe, 1));
    return;
  }
  if (buffer_.size() < kMaxLine) buffer_.push_back(byte);
  if (byte == 0x0D) idleLine();
}

void TerminalPeer::takeIr(std::uint8_t byte) {
  if (state_ == State::IrRate) {
    const std::uint32_t baud = irRateOf(byte);
    state_ = baud ? State::IrConfirm : State::Idle;
    if (baud) sink_.rateCommanded(baud);
    return;
  }
  sink_.note(byte == kIrConfirm ? "IR rate command confirmed" : "IR command not confirmed");
  probes_ = 0;
  state_ = State::Idle;
}

// Drops what is waiting on the line; the PC sends nothing until it has the answer.
void TerminalPeer::dropWaiting(std::string_view before) {
  std::array<std::uint8_t, 256> junk{};
  std::size_t dropped = 0;
  for (std::size_t n; (n = port_.read(junk)) > 0;) dropped += n;
  port_.purgeReceive();
  dropRestOfRead_ = true;
  if (dropped > 0) sink_.note("dropped " + std::to_string(dropped) + " bytes waiting before " + std::string(before));
}

void TerminalPeer::idleLine() {
  Bytes line = std::move(buffer_);
  buffer_.clear();
  // A command that follows bytes without an end (the rest of an earlier exchange) is still
  // the command.
  for (const std::string_view command : {text::kHandshake, text::kRead}) {
    if (line.size() <= command.size() || !std::equal(command.rbegin(), command.rend(), line.rbegin())) continue;
    sink_.note("dropped " + std::to_string(line.size() - command.size()) + " bytes before a command");
    line.erase(line.begin(), line.end() - static_cast<std::ptrdiff_t>(command.size()));
  }
  if (equals(line, text::kHandshake)) {
    dropWaiting("the handshake");
    return startDownload();
  }
  if (equals(line, text::kRead)) {
    dropWaiting("\"READ\"");
    if (readsIgnored_ < options_.faults.ignoreReads) {
      sink_.note("\"READ\" " + std::to_string(++readsIgnored_) + " left unanswered");
      return;
    }
    return startCollection();
  }
  sink_.note("ignored a line of " + std::to_string(line.size()) + " bytes");
}

}  // namespace k60::link::peer
