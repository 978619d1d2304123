// A model of the terminal's side of a collection, on the scripted port: it sends one line at a
// time, the next after "ACK\r" and the same again after "NAK\r", and can deliver any of its
// lines late, cut short or damaged. Whether it keeps an answer that arrives while it is still
// sending a line (and acts on it afterwards) or drops it is a choice, since both kinds of
// terminal must be served.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "link/link_messages.h"
#include "link/record_line.h"
#include "tests/link/scripted_port.h"

namespace k60::link::test {

// What happens to one line on its way to the PC.
struct LineFault {
  std::uint32_t lateMs = 0;  // delivered this much later than a prompt line
  bool cut = false;          // its last byte (the CR) and `cutMore` more are lost
  std::size_t cutMore = 0;
  bool damaged = false;      // byte `damagedAt` (modulo the bytes before the CR) is changed
  std::size_t damagedAt = 0;
  std::uint8_t damageMask = 1;
};

class ModelTerminal {
 public:
  static constexpr std::uint32_t kPromptMs = 5;

  ModelTerminal(std::vector<Bytes> records, bool keepsAnswersWhileSending)
      : records_(std::move(records)), keeps_(keepsAnswersWhileSending) {}

  // The fault of a line: record (its count of records for "OVER\r") and how many times that
  // line was sent before. None when not set.
  std::function<LineFault(int record, int attempt)> faultOf;

  // Plays the terminal on `port` for the next collection.
  static void attach(ScriptedPort& port, std::shared_ptr<ModelTerminal> terminal) {
    port.onWrite = [terminal](ScriptedPort& p, std::span<const std::uint8_t> bytes) {
      terminal->heard(p, std::string(bytes.begin(), bytes.end()));
    };
  }

  // The records the terminal counts as delivered (those it got "ACK\r" for), and whether it
  // sent "OVER\r" after them all.
  int acknowledged() const { return next_; }
  bool over() const { return overSent_; }
  int linesSent() const { return sent_; }

 private:
  void heard(ScriptedPort& port, const std::string& what) {
    const std::uint32_t now = port.nowMs();
    if (what == text::kRead) {
      port.reply(text::kAckLine, kPromptMs);
      busyUntil_ = now + kPromptMs;
      return sendLine(port, now + kPromptMs);
    }
    if (what != text::kAckLine && what != text::kNakLine) return;
    if (overSent_ || !started_) return;
    // Still sending: the answer is kept for afterwards, or lost.
    if (static_cast<std::int32_t>(now - busyUntil_) < 0 && !keeps_) return;
    if (what == text::kAckLine && next_ < static_cast<int>(records_.size())) ++next_;
    else if (what == text::kAckLine) return;
    sendLine(port, std::max(now, busyUntil_));
  }

  Bytes line() const {
    if (next_ >= static_cast<int>(records_.size())) return bytesOf(text::kOver);
    const Bytes& data = records_[next_];
    const auto sequence = static_cast<std::uint8_t>(next_ % 10);
    Bytes out{sequence};
    out.insert(out.end(), data.begin(), data.end());
    const auto sum = recordChecksum(sequence, data);
    out.insert(out.end(), sum.begin(), sum.end());
    out.push_back(0x0D);
    return out;
  }

  // The line leaves at `from` and has arrived whole kPromptMs (plus its lateness) later.
  void sendLine(ScriptedPort& port, std::uint32_t from) {
    started_ = true;
    Bytes bytes = line();
    overSent_ = next_ >= static_cast<int>(records_.size());
    attempt_ = next_ == lastRecord_ ? attempt_ + 1 : 0;
    lastRecord_ = next_;
    const LineFault fault = faultOf ? faultOf(next_, attempt_) : LineFault{};
    ++sent_;
    if (fault.damaged && bytes.size() > 1) damage(bytes, fault);
    if (fault.cut) bytes.resize(bytes.size() - 1 - std::min(fault.cutMore, bytes.size() - 1));
    const std::uint32_t arrives = from + kPromptMs + fault.lateMs;
    port.reply(std::span<const std::uint8_t>(bytes), arrives - port.nowMs());
    busyUntil_ = arrives;
    // A terminal that lost its "OVER\r" on the way waits for an answer to send it again.
    if (overSent_ && (fault.cut || fault.damaged)) overSent_ = false;
  }

  // Changes one byte before the CR, never into a CR (that would be two lines), and only where
  // the checksum sees it: the terminal's encoding makes a sum byte of 0x0D and one of 0x0E
  // alike, so a change between them goes unnoticed by any receiver.
  static void damage(Bytes& bytes, const LineFault& fault) {
    const std::size_t at = fault.damagedAt % (bytes.size() - 1);
    const std::uint8_t mask = fault.damageMask == 0 ? 1 : fault.damageMask;
    const std::uint8_t changed = static_cast<std::uint8_t>(bytes[at] ^ mask);
    if (changed == 0x0D) return;
    Bytes copy = bytes;
    copy[at] = changed;
    LineBuffer check;
    for (auto b : copy) check.take(b);
    if (copy.size() >= 4 && intactRecord(check)) return;
    bytes = copy;
  }

  std::vector<Bytes> records_;
  bool keeps_;
  int next_ = 0;  // the record on offer
  int sent_ = 0;
  int lastRecord_ = -1, attempt_ = 0;
  bool started_ = false;
  bool overSent_ = false;
  std::uint32_t busyUntil_ = 0;
};

}  // namespace k60::link::test
