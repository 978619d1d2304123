// Pacing a port's reads and writes to the time the bytes would take on a cable.
#include "link/terminal_peer_paced_port.h"

#include <algorithm>
#include <array>
#include <vector>

namespace k60::link::peer {
namespace {

// Whole milliseconds from `nowNs` until `dueNs`, rounded up: the clock counts milliseconds.
std::uint32_t msUntil(std::uint64_t dueNs, std::uint64_t nowNs) {
  return dueNs <= nowNs ? 0 : static_cast<std::uint32_t>((dueNs - nowNs + 999'999) / 1'000'000);
}

}  // namespace

std::uint64_t LinePacer::nowNs(std::uint32_t nowMs) {
  if (!started_) {
    started_ = true;
    originMs_ = nowMs;
  }
  return std::uint64_t{elapsedMs(originMs_, nowMs)} * 1'000'000;
}

std::uint64_t LinePacer::schedule(std::uint64_t nowNs) {
  busyUntilNs_ = std::max(busyUntilNs_, nowNs) + 10'000'000'000ull / baud_;
  return busyUntilNs_;
}

void PacedPort::setBaud(std::uint32_t baud) {
  in_.setBaud(baud);
  out_.setBaud(baud);
}

std::size_t PacedPort::write(std::span<const std::uint8_t> bytes) {
  std::vector<std::uint64_t> done(bytes.size());
  const std::uint64_t start = out_.nowNs(clock_.nowMs());
  for (auto& d : done) d = out_.schedule(start);
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const std::uint64_t now = out_.nowNs(clock_.nowMs());
    const auto due = static_cast<std::size_t>(std::upper_bound(done.begin(), done.end(), now) - done.begin());
    if (due > sent) {
      const std::size_t w = inner_.write(bytes.subspan(sent, due - sent));
      sent += w;
      if (sent < due) break;  // the line is blocked
    } else {
      clock_.sleepFor(msUntil(done[sent], now));
    }
  }
  return sent;
}

void PacedPort::takeArrivals() {
  std::array<std::uint8_t, 512> in{};
  const std::size_t n = inner_.read(in);
  const std::uint64_t now = in_.nowNs(clock_.nowMs());
  for (std::size_t i = 0; i < n; ++i) crossing_.push_back({in_.schedule(now), in[i]});
}

std::size_t PacedPort::read(std::span<std::uint8_t> buffer) {
  takeArrivals();
  const std::uint64_t now = in_.nowNs(clock_.nowMs());
  std::size_t n = 0;
  while (n < buffer.size() && !crossing_.empty() && crossing_.front().doneNs <= now) {
    buffer[n++] = crossing_.front().byte;
    crossing_.pop_front();
  }
  return n;
}

bool PacedPort::waitForInput(Clock& clock, std::uint32_t ms) {
  takeArrivals();
  if (crossing_.empty()) return inner_.waitForInput(clock, ms);
  const std::uint32_t left = msUntil(crossing_.front().doneNs, in_.nowNs(clock_.nowMs()));
  clock_.sleepFor(std::min(left, ms));
  return left <= ms;
}

void PacedPort::purgeReceive() {
  inner_.purgeReceive();
  crossing_.clear();
}

}  // namespace k60::link::peer
