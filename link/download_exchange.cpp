// The download's block exchange: write, collect the terminal's reply, resend until "ACK".
#include <cstdint>
#include <string>
#include <string_view>

#include "link/download.h"
#include "link/link_messages.h"

namespace k60::link {
namespace {

constexpr std::uint8_t kCr = 0x0D;
constexpr std::size_t kReplyStopBytes = 10;  // collecting stops once this many have come
constexpr std::size_t kPollBytes = 3;        // bytes asked for per poll

bool timedOut(LinkContext& ctx, std::uint32_t start) {
  return elapsedMs(start, ctx.clock.nowMs()) > kReplyTimeoutMs;
}

// Reads and drops the rest of a reply that was cut at 10 bytes, up to and including its
// CR, one byte at a time so that nothing after the CR is taken.
void dropReplyTail(LinkContext& ctx, std::uint32_t start) {
  std::uint8_t byte = 0;
  while (!timedOut(ctx, start)) {
    if (ctx.port.read({&byte, 1}) == 0) {
      waitOrCancel(ctx, msUntilPast(ctx.clock, start, kReplyTimeoutMs));
    } else if (byte == kCr) {
      return;
    }
  }
}

}  // namespace

std::string exchange(LinkContext& ctx, std::span<const std::uint8_t> bytes) {
  ctx.port.write(bytes);
  const std::uint32_t start = ctx.clock.nowMs();
  std::string reply;
  for (;;) {
    if (reply.size() >= kReplyStopBytes) break;
    std::uint8_t got[kPollBytes];
    const std::size_t n = ctx.port.read(got);
    reply.append(got, got + n);
    if (timedOut(ctx, start)) break;
    if (n > 0 && got[n - 1] == kCr) break;
    if (n == 0) waitOrCancel(ctx, msUntilPast(ctx.clock, start, kReplyTimeoutMs));
  }
  if (!reply.empty() && reply.back() == kCr) {
    reply.pop_back();
  } else if (reply.size() >= kReplyStopBytes && reply.find('\r') == std::string::npos) {
    // A CR inside the reply already ended the terminal's line; what follows it is the
    // start of the next line, not a tail.
    dropReplyTail(ctx, start);
  }
  return reply;
}

bool sendBlock(LinkContext& ctx, std::span<const std::uint8_t> block) {
  for (int send = 0; send < kMaxSends; ++send) {
    // The terminal's reply is a C string: a 0 byte ends the text.
    const std::string received = exchange(ctx, block);
    const std::string_view reply(received.c_str());
    if (reply == text::kFull) {
      ctx.ui.showMessage(text::kTerminalMemoryFull, text::kErrorCaption, MessageIcon::Exclamation);
      return false;
    }
    if (reply == text::kAck) return true;
  }
  ctx.ui.showMessage(text::kDownloadError, text::kErrorCaption, MessageIcon::Exclamation);
  return false;
}

}  // namespace k60::link
