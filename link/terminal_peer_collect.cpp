// The terminal peer during a collection: one record line at a time, resent after "NAK\r".
#include "link/link_messages.h"
#include "link/terminal_peer.h"

namespace k60::link::peer {

void TerminalPeer::startCollection() {
  answer(text::kAckLine);
  state_ = State::Collect;
  record_ = 0;
  buffer_.clear();
  sink_.note("collection started");
  sendRecord();
}

void TerminalPeer::sendRecord() {
  const auto& records = options_.records;
  if (record_ >= static_cast<int>(records.size())) {
    answer(text::kOver);
    sink_.note("\"OVER\" sent after " + std::to_string(records.size()) + " records");
    sink_.collectionServed(static_cast<int>(records.size()));
    return endSession();
  }
  if (record_ == options_.faults.stallAt && !stallDone_) {
    stallDone_ = true;
    state_ = State::Idle;
    sink_.note("fell silent before record " + std::to_string(record_));
    return;
  }
  const bool corrupt = record_ == options_.faults.corruptRecord && !corruptDone_;
  corruptDone_ = corruptDone_ || corrupt;
  if (corrupt) sink_.note("record " + std::to_string(record_) + " sent with a wrong checksum");
  const bool noisy = noiseBefore(record_);
  Bytes line = recordLine(record_ % 10, records[record_], corrupt);
  if (record_ == options_.faults.lateRecord && !lateDone_) {
    lateDone_ = true;
    lateLine_ = std::move(line);
    lateAtMs_ = clock_.nowMs() + options_.faults.lateMs;
    sink_.note("record " + std::to_string(record_) + " to be sent " + std::to_string(options_.faults.lateMs) +
               " ms late");
    return;
  }
  send(line, noisy);
  sink_.note("record " + std::to_string(record_) + " sent, " + std::to_string(records[record_].size()) + " bytes");
}

// The late line goes out; the answers that arrived meanwhile are taken now, in order.
void TerminalPeer::sendLateLine() {
  if (lateLine_.empty() || static_cast<std::int32_t>(clock_.nowMs() - lateAtMs_) < 0) return;
  send(lateLine_);
  lateLine_.clear();
  sink_.note("record " + std::to_string(record_) + " sent late");
  const Bytes kept = std::move(keptWhileSending_);
  keptWhileSending_.clear();
  for (std::uint8_t byte : kept) take(byte);
}

void TerminalPeer::takeCollect(std::uint8_t byte) {
  if (!lateLine_.empty()) {
    if (options_.keepAnswersWhileSending) keptWhileSending_.push_back(byte);
    else if (byte == 0x0D) sink_.note("an answer arrived while a line was on its way: dropped");
    return;
  }
  if (buffer_.size() < 300) buffer_.push_back(byte);
  if (byte != 0x0D) return;
  const Bytes line = std::move(buffer_);
  buffer_.clear();
  if (equals(line, text::kAckLine)) {
    const bool repeat = record_ == options_.faults.repeatRecord && !repeatDone_;
    repeatDone_ = repeatDone_ || repeat;
    sink_.note("record " + std::to_string(record_) + " acknowledged");
    if (repeat) sink_.note("record " + std::to_string(record_) + " sent again");
    else ++record_;
    return sendRecord();
  }
  if (equals(line, text::kNakLine)) {
    sink_.note("record " + std::to_string(record_) + " NAKed");
    return sendRecord();
  }
  if (equals(line, text::kRead) || equals(line, text::kHandshake)) {
    state_ = State::Idle;
    buffer_ = line;
    return idleLine();
  }
  sink_.note("ignored a line of " + std::to_string(line.size()) + " bytes");
}

}  // namespace k60::link::peer
