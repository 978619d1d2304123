// A serial port for tests: records everything the engine does to it and delivers scripted
// replies when the virtual clock reaches their arrival time. A wait for input moves the
// clock straight to the next reply or the deadline, so a 3 s time-out takes one call.
#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "link/serial_port.h"
#include "link/virtual_clock.h"
#include "tests/support/test_support.h"

namespace k60::link::test {

using Bytes = std::vector<std::uint8_t>;

using k60::test::bytesOf;

class ScriptedPort : public SerialPort {
 public:
  enum class Kind { Open, QueueSizes, Apply, ReadsAtOnce, TransferTimeouts, Write, Purge, Close };
  struct Event {
    Kind kind;
    std::uint32_t atMs;
    Bytes bytes;        // Write
    LineSettings line;  // Apply (and the settings in force at a Write)
    std::string name;   // Open
    std::uint32_t receive = 0, transmit = 0;  // QueueSizes
  };

  explicit ScriptedPort(VirtualClock& clock) : clock_(clock) {}

  // Scripting.
  bool openSucceeds = true;
  bool applySucceeds = true;
  bool lost = false;  // the device is gone while open
  // When set, decides per call whether the line settings are accepted (with applySucceeds).
  std::function<bool(const LineSettings&)> acceptsSettings;
  // Called after every write with the bytes written; typically queues a reply.
  std::function<void(ScriptedPort&, std::span<const std::uint8_t>)> onWrite;

  // Queues bytes that arrive `delayMs` after now.
  void reply(std::span<const std::uint8_t> bytes, std::uint32_t delayMs = 0) {
    for (auto b : bytes) incoming_.push_back({clock_.nowMs() + delayMs, b});
  }
  void reply(std::string_view text, std::uint32_t delayMs = 0) {
    Bytes b = bytesOf(text);
    reply(std::span<const std::uint8_t>(b), delayMs);
  }

  // What happened.
  std::vector<Event> events;
  LineSettings current;  // the settings last applied
  std::size_t waits = 0;  // calls of waitForInput

  std::vector<Bytes> writes() const {
    std::vector<Bytes> out;
    for (const auto& e : events)
      if (e.kind == Kind::Write) out.push_back(e.bytes);
    return out;
  }
  Bytes written() const {
    Bytes out;
    for (const auto& e : events)
      if (e.kind == Kind::Write) out.insert(out.end(), e.bytes.begin(), e.bytes.end());
    return out;
  }
  std::size_t count(Kind kind) const {
    return std::count_if(events.begin(), events.end(), [&](const Event& e) { return e.kind == kind; });
  }
  std::size_t pendingBytes() const { return incoming_.size(); }
  std::uint32_t nowMs() { return clock_.nowMs(); }

  // SerialPort.
  bool open(const std::string& name) override {
    events.push_back({Kind::Open, clock_.nowMs(), {}, current, name});
    open_ = openSucceeds;
    return open_;
  }
  bool setQueueSizes(std::uint32_t receive, std::uint32_t transmit) override {
    Event e{Kind::QueueSizes, clock_.nowMs()};
    e.receive = receive;
    e.transmit = transmit;
    events.push_back(e);
    return true;
  }
  bool applyLineSettings(const LineSettings& settings) override {
    events.push_back({Kind::Apply, clock_.nowMs(), {}, settings});
    const bool accepted = applySucceeds && (!acceptsSettings || acceptsSettings(settings));
    if (accepted) current = settings;
    return accepted;
  }
  bool setReadsReturnAtOnce() override {
    events.push_back({Kind::ReadsAtOnce, clock_.nowMs()});
    return true;
  }
  bool setTransferTimeouts() override {
    events.push_back({Kind::TransferTimeouts, clock_.nowMs()});
    return true;
  }
  std::size_t write(std::span<const std::uint8_t> bytes) override {
    events.push_back({Kind::Write, clock_.nowMs(), Bytes(bytes.begin(), bytes.end()), current});
    if (onWrite) onWrite(*this, bytes);
    return bytes.size();
  }
  std::size_t read(std::span<std::uint8_t> buffer) override {
    std::size_t n = 0;
    while (n < buffer.size() && !incoming_.empty() &&
           static_cast<std::int32_t>(clock_.nowMs() - incoming_.front().atMs) >= 0) {
      buffer[n++] = incoming_.front().byte;
      incoming_.pop_front();
    }
    return n;
  }
  // Moves the virtual clock to the next scripted byte, or by `ms` when none comes sooner.
  bool waitForInput(Clock&, std::uint32_t ms) override {
    ++waits;
    if (!incoming_.empty()) {
      const auto until = static_cast<std::int32_t>(incoming_.front().atMs - clock_.nowMs());
      if (until <= 0) return true;
      if (static_cast<std::uint32_t>(until) <= ms) {
        clock_.advance(static_cast<std::uint32_t>(until));
        return true;
      }
    }
    clock_.advance(ms);
    return false;
  }
  void purgeReceive() override {
    events.push_back({Kind::Purge, clock_.nowMs()});
    // Only what has already arrived is dropped.
    while (!incoming_.empty() &&
           static_cast<std::int32_t>(clock_.nowMs() - incoming_.front().atMs) >= 0)
      incoming_.pop_front();
  }
  void close() override {
    events.push_back({Kind::Close, clock_.nowMs()});
    open_ = false;
  }
  bool isOpen() const override { return open_; }
  bool deviceLost() const override { return lost && open_; }

 private:
  struct Arrival {
    std::uint32_t atMs;
    std::uint8_t byte;
  };
  VirtualClock& clock_;
  std::deque<Arrival> incoming_;
  bool open_ = false;
};

}  // namespace k60::link::test
