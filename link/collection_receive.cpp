// The two phases of a collection on an open port: the "READ\r" handshake, then the records.
#include "link/collection_receive.h"

#include <optional>
#include <string>

#include "link/link_messages.h"
#include "link/record_line.h"

namespace k60::link {
namespace {

constexpr std::size_t kReplyKept = 10;
constexpr int kSilentTriesBeforeTimeout = 3;  // the next silent try ends phase 1
constexpr int kWrongAnswersBeforeGivingUp = 5;
constexpr std::uint32_t kLineTimeoutMs = 500;
constexpr int kTimeoutNaks = 10;  // the next silent period ends phase 2
constexpr int kNakedLines = 10;   // lines in a row answered "NAK\r" that end phase 2

void send(LinkContext& ctx, std::string_view text) {
  ctx.port.write({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

void showError(LinkContext& ctx, std::string_view message) {
  ctx.ui.showMessage(message, text::kErrorCaption, MessageIcon::None);
}

struct Reply {
  std::string kept;
  bool timedOut = false;
};

// Collects the answer to "READ\r": up to 10 bytes kept, until a CR is kept or the time is up.
Reply collectReply(LinkContext& ctx, std::uint32_t sentAt) {
  Reply reply;
  for (;;) {
    std::uint8_t byte = 0;
    const bool got = ctx.port.read({&byte, 1}) == 1;
    if (got && reply.kept.size() < kReplyKept) {
      reply.kept.push_back(static_cast<char>(byte));
      if (byte == '\r') return reply;
    }
    if (elapsedMs(sentAt, ctx.clock.nowMs()) > kReplyTimeoutMs) {
      reply.timedOut = true;
      return reply;
    }
    if (!got) waitOrCancel(ctx, msUntilPast(ctx.clock, sentAt, kReplyTimeoutMs));
  }
}

// Reads one line into `line`; false when 500 ms passed without its CR.
bool readLine(LinkContext& ctx, LineBuffer& line) {
  line.clear();
  const std::uint32_t start = ctx.clock.nowMs();
  for (;;) {
    std::uint8_t byte = 0;
    const bool got = ctx.port.read({&byte, 1}) == 1;
    if (got && line.take(byte)) return true;
    if (elapsedMs(start, ctx.clock.nowMs()) > kLineTimeoutMs) return false;
    if (!got) waitOrCancel(ctx, msUntilPast(ctx.clock, start, kLineTimeoutMs));
  }
}

// Where the answering stands. The terminal sends its next line only after our answer to the
// previous one. A line that comes after time-out NAKs may have been late rather than lost: a
// terminal that keeps the answers it gets while still sending takes each of those NAKs for
// that line and sends it again, once per NAK, before it reads our answer to the line itself.
// Those copies must not get answers of their own, or every later answer of ours would be
// taken for the line after the one it answers. A terminal that drops such answers sends no
// copies, and its next line shows that it is no copy.
struct Tally {
  int records = 0;
  int expected = 0;
  int timeoutNaks = 0;           // time-out NAKs since the last answered line
  int copies = 0;                // lines still to come that may be copies of the last answered
  std::optional<int> lastSeq;    // sequence number of the last answered line, when intact
  int nakedLines = 0;            // lines in a row answered "NAK\r"
};

// A line that may be the terminal's copy, sent for a time-out NAK, of the line answered last.
// Only an intact record line with another sequence number, or "OVER\r", is surely none.
bool mayBeCopy(const Tally& tally, const LineBuffer& line, LineVerdict verdict) {
  if (tally.copies == 0 || verdict == LineVerdict::Over) return false;
  return !tally.lastSeq || !intactRecord(line) || line.bytes()[0] == *tally.lastSeq;
}

// Stores an accepted record; false when it could not be stored.
bool store(LinkContext& ctx, const LineBuffer& line, Tally& tally, const RecordSink& sink) {
  if (!sink(recordData(line))) return false;
  ++tally.records;
  tally.expected = (tally.expected + 1) % 10;
  ctx.ui.counterShow(tally.records);
  return true;
}

}  // namespace

PollAnswer pollTerminal(LinkContext& ctx) {
  const std::uint32_t sentAt = ctx.clock.nowMs();
  send(ctx, text::kRead);
  const Reply reply = collectReply(ctx, sentAt);
  if (reply.timedOut) return PollAnswer::Silent;
  return reply.kept == text::kAckLine ? PollAnswer::Ack : PollAnswer::Other;
}

bool connectToTerminal(LinkContext& ctx) {
  for (int failures = 0;; ++failures) {
    const PollAnswer answer = pollTerminal(ctx);
    if (answer == PollAnswer::Silent && failures >= kSilentTriesBeforeTimeout) {
      showError(ctx, text::kTimeOut);
      return false;
    }
    if (answer == PollAnswer::Ack) return true;
    if (failures >= kWrongAnswersBeforeGivingUp) {
      showError(ctx, text::kConnectFailed);
      return false;
    }
  }
}

namespace {

// Phase 2 inside the counter box.
std::optional<int> receiveInOrder(LinkContext& ctx, const RecordSink& sink) {
  Tally tally;
  LineBuffer line;
  const auto fail = [&ctx](std::string_view message) -> std::optional<int> {
    ctx.ui.counterClose();
    showError(ctx, message);
    return std::nullopt;
  };
  for (int silent = 0;;) {
    if (!readLine(ctx, line)) {
      if (silent++ >= kTimeoutNaks) return fail(text::kTimeOut);
      send(ctx, text::kNakLine);
      ++tally.timeoutNaks;
      continue;
    }
    silent = 0;
    const LineVerdict verdict = judgeLine(line, tally.expected);
    if (mayBeCopy(tally, line, verdict)) {
      // Answered already: by our answer to the line it copies, or (when it was no copy) by
      // the time-out NAK that its terminal's wait for an answer will bring.
      --tally.copies;
      if (verdict == LineVerdict::Accept && !store(ctx, line, tally, sink)) return fail(text::kCannotWriteFile);
      continue;
    }
    if (verdict == LineVerdict::Over) break;
    if (verdict == LineVerdict::Accept && !store(ctx, line, tally, sink)) return fail(text::kCannotWriteFile);
    const bool nak = verdict == LineVerdict::Reject;
    send(ctx, nak ? text::kNakLine : text::kAckLine);
    tally.copies = tally.timeoutNaks;
    tally.timeoutNaks = 0;
    tally.lastSeq = intactRecord(line) ? std::optional<int>(line.bytes()[0]) : std::nullopt;
    tally.nakedLines = nak ? tally.nakedLines + 1 : 0;
    // A terminal that keeps sending lines we cannot take has fallen out of step.
    if (tally.nakedLines >= kNakedLines) return fail(text::kCollectOutOfStep);
  }
  ctx.ui.counterClose();
  return tally.records;
}

}  // namespace

std::optional<int> receiveRecords(LinkContext& ctx, const RecordSink& sink) {
  ctx.ui.counterOpen();
  try {
    return receiveInOrder(ctx, sink);
  } catch (const TransferCancelled&) {
    ctx.ui.counterClose();
    throw;
  }
}

}  // namespace k60::link
