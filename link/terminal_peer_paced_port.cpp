// Pacing a port's reads and writes to the time the bytes would take on a cable.
#include "link/terminal_peer_paced_port.h"

#include <algorithm>
#include <array>
#include <vector>

namespace k60::link::peer {
namespace {

// A wait for one byte also takes the bytes that cross within this much after it, so that a
// long write or read wakes about once a millisecond rather than once a byte.
constexpr std::uint64_t kBatchNs = 1'000'000;

// Whole microseconds from `nowNs` until `dueNs`, rounded up.
std::uint64_t usUntil(std::uint64_t dueNs, std::uint64_t nowNs) {
  return dueNs <= nowNs ? 0 : (dueNs - nowNs + 999) / 1000;
}

}  // namespace

std::uint64_t LinePacer::nowNs(std::uint64_t nowUs) {
  if (!started_) {
    started_ = true;
    originUs_ = nowUs;
  }
  return (nowUs - originUs_) * 1000;
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
  const std::uint64_t start = out_.nowNs(clock_.nowUs());
  for (auto& d : done) d = out_.schedule(start);
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const std::uint64_t now = out_.nowNs(clock_.nowUs());
    const auto due = static_cast<std::size_t>(std::upper_bound(done.begin(), done.end(), now) - done.begin());
    if (due > sent) {
      const std::size_t w = inner_.write(bytes.subspan(sent, due - sent));
      sent += w;
      if (sent < due) break;  // the line is blocked
    } else {
      const auto last = std::upper_bound(done.begin() + sent, done.end(), done[sent] + kBatchNs) - 1;
      clock_.sleepUs(usUntil(*last, now));
    }
  }
  return sent;
}

void PacedPort::takeArrivals() {
  std::array<std::uint8_t, 512> in{};
  const std::size_t n = inner_.read(in);
  const std::uint64_t now = in_.nowNs(clock_.nowUs());
  for (std::size_t i = 0; i < n; ++i) crossing_.push_back({in_.schedule(now), in[i]});
}

std::size_t PacedPort::read(std::span<std::uint8_t> buffer) {
  takeArrivals();
  const std::uint64_t now = in_.nowNs(clock_.nowUs());
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
  const std::uint64_t now = in_.nowNs(clock_.nowUs());
  const std::uint64_t first = crossing_.front().doneNs;
  if (first <= now) return true;
  std::uint64_t wake = first;
  for (const Crossing& c : crossing_) {
    if (c.doneNs > first + kBatchNs) break;
    wake = c.doneNs;
  }
  const std::uint64_t left = usUntil(wake, now);
  const std::uint64_t limit = std::uint64_t{ms} * 1000;
  clock_.sleepUs(std::min(left, limit));
  return left <= limit;
}

void PacedPort::purgeReceive() {
  inner_.purgeReceive();
  crossing_.clear();
}

}  // namespace k60::link::peer
