// The two phases of a collection on an open port: the "READ\r" handshake, then the records.
#include "link/collection_receive.h"

#include <string>

#include "link/link_messages.h"
#include "link/record_line.h"

namespace k60::link {
namespace {

constexpr std::uint32_t kReplyTimeoutMs = 3000;
constexpr std::size_t kReplyKept = 10;
constexpr int kSilentTriesBeforeTimeout = 3;  // the next silent try ends phase 1
constexpr int kWrongAnswersBeforeGivingUp = 5;
constexpr std::uint32_t kLineTimeoutMs = 500;
constexpr int kTimeoutNaks = 10;  // the next silent period ends phase 2

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
    if (!got) ctx.clock.idle();
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
    if (!got) ctx.clock.idle();
  }
}

struct Tally {
  int records = 0;
  int expected = 0;
};

// Answers one CR-ended line. Stores an accepted record; false when it could not be stored.
bool answerLine(LinkContext& ctx, const LineBuffer& line, LineVerdict verdict, Tally& tally,
                const RecordSink& store) {
  if (verdict == LineVerdict::Accept) {
    if (!store(recordData(line))) return false;
    ++tally.records;
    tally.expected = (tally.expected + 1) % 10;
    ctx.ui.counterShow(tally.records);
  }
  send(ctx, verdict == LineVerdict::Reject ? text::kNakLine : text::kAckLine);
  return true;
}

}  // namespace

bool connectToTerminal(LinkContext& ctx) {
  for (int failures = 0;; ++failures) {
    const std::uint32_t sentAt = ctx.clock.nowMs();
    send(ctx, text::kRead);
    const Reply reply = collectReply(ctx, sentAt);
    if (reply.timedOut && failures >= kSilentTriesBeforeTimeout) {
      showError(ctx, text::kTimeOut);
      return false;
    }
    if (reply.kept == text::kAckLine) return true;
    if (failures >= kWrongAnswersBeforeGivingUp) {
      showError(ctx, text::kConnectFailed);
      return false;
    }
  }
}

std::optional<int> receiveRecords(LinkContext& ctx, const RecordSink& store) {
  ctx.ui.counterOpen();
  Tally tally;
  LineBuffer line;
  for (int silent = 0;;) {
    if (!readLine(ctx, line)) {
      if (silent++ < kTimeoutNaks) {
        send(ctx, text::kNakLine);
        continue;
      }
      ctx.ui.counterClose();
      showError(ctx, text::kTimeOut);
      return std::nullopt;
    }
    silent = 0;
    const LineVerdict verdict = judgeLine(line, tally.expected);
    if (verdict == LineVerdict::Over) break;
    if (!answerLine(ctx, line, verdict, tally, store)) {
      ctx.ui.counterClose();
      showError(ctx, text::kCannotWriteFile);
      return std::nullopt;
    }
  }
  ctx.ui.counterClose();
  return tally.records;
}

}  // namespace k60::link
