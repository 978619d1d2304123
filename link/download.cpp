// The download command: the attempt (handshake, progress window, transfer) and the retry loop.
#include <cstdint>

#include "link/download.h"
#include "link/link_messages.h"
#include "link/port_setup.h"

namespace k60::link {
namespace {

bool handshake(LinkContext& ctx) {
  for (int i = 0; i < kHandshakeTries; ++i)
    if (exchange(ctx, wordBytes(text::kHandshake)) == text::kAck) return true;
  ctx.ui.showMessage(text::kTerminalNotReady, text::kErrorCaption, MessageIcon::Exclamation);
  return false;
}

}  // namespace

bool runAttempt(LinkContext& ctx, const Transfer& transfer) {
  // Without the write bound a write to a stalled port could hang the command.
  if (!ctx.port.setTransferTimeouts()) {
    ctx.ui.showMessage(text::kDownloadLineSettingsFailed, text::kErrorCaption,
                       MessageIcon::Exclamation);
    return false;
  }
  if (!handshake(ctx)) return false;
  ctx.ui.progressOpen();
  bool sent = false;
  try {
    sent = transfer(ctx);
  } catch (const TransferCancelled&) {
    ctx.ui.progressClose();
    throw;
  }
  ctx.ui.progressClose();
  if (sent)
    ctx.ui.showMessage(text::kDownloadDone, text::kDownloadCaption, MessageIcon::Exclamation);
  return sent;
}

bool runDownload(LinkContext& ctx, const LinkChoice& choice, const Transfer& transfer) {
  try {
    if (!openPortForDownload(ctx, choice)) return false;
    bool sent = runAttempt(ctx, transfer);
    while (!sent &&
           ctx.ui.askYesNo(text::kRetryQuestion, text::kErrorCaption, MessageIcon::Question))
      sent = runAttempt(ctx, transfer);
    closePortAfterDownload(ctx);
    return sent;
  } catch (const TransferCancelled&) {
    endCancelledTransfer(ctx, text::kDownloadCaption);
    return false;
  }
}

}  // namespace k60::link
