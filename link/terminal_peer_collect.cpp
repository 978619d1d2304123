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
  const bool corrupt = record_ == options_.faults.corruptRecord && !corruptDone_;
  corruptDone_ = corruptDone_ || corrupt;
  if (corrupt) sink_.note("record " + std::to_string(record_) + " sent with a wrong checksum");
  const bool noisy = noiseBefore(record_);
  send(recordLine(record_ % 10, records[record_], corrupt), noisy);
  sink_.note("record " + std::to_string(record_) + " sent, " + std::to_string(records[record_].size()) + " bytes");
}

void TerminalPeer::takeCollect(std::uint8_t byte) {
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
