// The terminal peer during a download: program blocks, lookup line blocks, injected faults.
#include "link/link_messages.h"
#include "link/terminal_peer.h"

namespace k60::link::peer {
namespace {

constexpr std::size_t kMaxBlock = 300;
constexpr std::string_view kAck = "ACK\r";
constexpr std::string_view kFull = "FULL\r";
constexpr std::string_view kReject = "ERR\r";  // anything but ACK makes the PC resend

bool isCommandLine(const Bytes& b) { return equals(b, text::kHandshake) || equals(b, text::kRead); }

// A block of 103 bytes that can only be the first program block.
bool looksLikeFirstProgramBlock(const Bytes& b) {
  return b.size() == kProgramBlockSize && b[102] == 0 && programBlockChecksumOk(b);
}

}  // namespace

void TerminalPeer::startDownload() {
  answer(kAck);
  state_ = State::Download;
  mode_ = options_.mode;
  expectedBlock_ = 0;
  image_.clear();
  lines_.clear();
  buffer_.clear();
  sink_.note("handshake answered");
}

void TerminalPeer::takeDownload(std::uint8_t byte) {
  buffer_.push_back(byte);
  if (mode_ == DownloadMode::Program) {
    if (buffer_.size() == kProgramBlockSize) programBlock();
    return;
  }
  if (mode_ == DownloadMode::Lookup) {
    if (byte == 0x0D) lookupBlock();
  } else if (looksLikeFirstProgramBlock(buffer_)) {
    mode_ = DownloadMode::Program;
    sink_.note("a program follows");
    return programBlock();
  } else if (byte == 0x0D && buffer_.size() > kProgramBlockSize) {
    mode_ = DownloadMode::Lookup;  // too long for a program block
    return lookupBlock();
  }
  // A CR in Auto mode waits for the quiet gap: it may lie inside a program block.
  if (buffer_.size() > kMaxBlock) buffer_.clear();
}

void TerminalPeer::downloadGap() {
  if (isCommandLine(buffer_)) {
    state_ = State::Idle;  // the PC started over
    return idleLine();
  }
  if (mode_ == DownloadMode::Auto && buffer_.back() == 0x0D) {
    mode_ = DownloadMode::Lookup;
    sink_.note("a lookup file follows");
    return lookupBlock();
  }
  sink_.note("dropped an incomplete block of " + std::to_string(buffer_.size()) + " bytes");
  buffer_.clear();
}

bool TerminalPeer::answerFault(int index) {
  const PeerFaults& f = options_.faults;
  if (index == f.fullAt) {
    answer(kFull);
    sink_.downloadRefused(index);
    endSession();
    return true;
  }
  if (index == f.dropAt && dropsLeft_ > 0) {
    --dropsLeft_;
    sink_.note("block " + std::to_string(index) + " left unanswered");
    return true;
  }
  if (index == f.rejectAt && rejectsLeft_ > 0) {
    --rejectsLeft_;
    sink_.note("block " + std::to_string(index) + " refused");
    answer(kReject);
    return true;
  }
  return false;
}

bool TerminalPeer::noiseBefore(int index) {
  if (index != options_.faults.noiseAt || noiseUsed_) return false;
  noiseUsed_ = true;
  sink_.note("noise sent with " + std::to_string(index));
  return true;
}

void TerminalPeer::programBlock() {
  const Bytes block = std::move(buffer_);
  buffer_.clear();
  const int number = block[102];
  if (!programBlockChecksumOk(block)) {
    sink_.note("a program block with a wrong checksum refused");
    return answer(kReject);
  }
  if (number == expectedBlock_ - 1) {  // it missed our ACK
    sink_.note("block " + std::to_string(number) + " again, answered again");
    return answer(kAck);
  }
  if (number != expectedBlock_) {
    sink_.note("block " + std::to_string(number) + " out of order");
    return answer(kReject);
  }
  if (answerFault(number)) return;
  image_.insert(image_.end(), block.begin(), block.begin() + kProgramBlockData);
  ++expectedBlock_;
  sink_.note("block " + std::to_string(number) + " taken");
  answer(kAck, noiseBefore(number));
  if (expectedBlock_ < kProgramBlockCount) return;
  sink_.programReceived(image_);
  endSession();
}

void TerminalPeer::lookupBlock() {
  const Bytes block = std::move(buffer_);
  buffer_.clear();
  if (isCommandLine(block)) {
    state_ = State::Idle;
    buffer_ = block;
    return idleLine();
  }
  if (equals(block, text::kOver)) return lookupOver();
  const auto text = lookupLineText(block);
  if (!text) {
    sink_.note("a lookup line with a wrong checksum refused");
    return answer(kReject);
  }
  lookupLine(*text);
}

void TerminalPeer::lookupLine(const Bytes& text) {
  // Lines carry no number: the same line again right after an answer the PC could not
  // read is its resend.
  if (lastAnswerNoisy_ && !lines_.empty() && lines_.back() == text) {
    sink_.note("line " + std::to_string(lines_.size() - 1) + " again, answered again");
    return answer(kAck);
  }
  const int index = static_cast<int>(lines_.size());
  if (answerFault(index)) return;
  lines_.push_back(text);
  sink_.note("line " + std::to_string(index) + " taken, " + std::to_string(text.size()) + " bytes");
  answer(kAck, noiseBefore(index));
}

void TerminalPeer::lookupOver() {
  if (answerFault(static_cast<int>(lines_.size()))) return;
  answer(kAck);
  sink_.note("\"OVER\" taken after " + std::to_string(lines_.size()) + " lines");
  sink_.lookupReceived(lines_);
  endSession();
}

}  // namespace k60::link::peer
