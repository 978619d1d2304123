// Opening and closing the port for a transfer, the pause, and the template's COM choice.
#include "link/port_setup.h"

#include "link/link_messages.h"

namespace k60::link {
namespace {

constexpr std::uint32_t kReceiveQueue = 256;
constexpr std::uint32_t kDownloadTransmitQueue = 1200;
constexpr std::uint32_t kCollectTransmitQueue = 256;

void showError(LinkContext& ctx, std::string_view text, MessageIcon icon) {
  ctx.ui.showMessage(text, text::kErrorCaption, icon);
}

// A rate index outside the five (a damaged template) is refused before anything is opened.
std::optional<std::uint32_t> checkedRate(LinkContext& ctx, const LinkChoice& choice, MessageIcon icon) {
  const auto rate = baudRateOf(choice.rateIndex);
  if (!rate) showError(ctx, text::kInvalidBaudRate, icon);
  return rate;
}

bool failAndClose(LinkContext& ctx, std::string_view text, MessageIcon icon) {
  if (!text.empty()) showError(ctx, text, icon);
  ctx.port.close();
  return false;
}

}  // namespace

void pause(Clock& clock, std::uint32_t ms) {
  const std::uint32_t start = clock.nowMs();
  for (std::uint32_t elapsed; (elapsed = elapsedMs(start, clock.nowMs())) < ms;) clock.sleepUs((ms - elapsed) * 1000ull);
}

bool openPortForDownload(LinkContext& ctx, const LinkChoice& choice) {
  const auto rate = checkedRate(ctx, choice, MessageIcon::Exclamation);
  if (!rate) return false;
  if (!ctx.port.open(choice.portName)) {
    showError(ctx, text::kDownloadPortOpenFailed, MessageIcon::Exclamation);
    return false;
  }
  ctx.port.setQueueSizes(kReceiveQueue, kDownloadTransmitQueue);
  ctx.line.assign8N1(*rate);
  if (choice.transport == Transport::IrTransceiver && !setUpIrTransceiver(ctx, choice.rateIndex))
    return failAndClose(ctx, text::kDownloadIrSetupFailed, MessageIcon::Exclamation);
  if (!ctx.port.applyLineSettings(ctx.line))
    return failAndClose(ctx, text::kDownloadLineSettingsFailed, MessageIcon::Exclamation);
  return true;
}

bool openPortForCollection(LinkContext& ctx, const LinkChoice& choice) {
  const auto rate = checkedRate(ctx, choice, MessageIcon::None);
  if (!rate) return false;
  if (!ctx.port.open(choice.portName)) {
    showError(ctx, text::kCollectPortOpenFailed, MessageIcon::None);
    return false;
  }
  ctx.port.setQueueSizes(kReceiveQueue, kCollectTransmitQueue);
  if (choice.transport == Transport::IrTransceiver && !setUpIrTransceiver(ctx, choice.rateIndex))
    return failAndClose(ctx, text::kCollectIrSetupFailed, MessageIcon::Exclamation);
  ctx.line.assign8N1(*rate);
  if (!ctx.port.applyLineSettings(ctx.line)) return failAndClose(ctx, {}, MessageIcon::None);
  ctx.port.setTransferTimeouts();
  return true;
}

void endCancelledTransfer(LinkContext& ctx, std::string_view caption) {
  if (ctx.port.isOpen()) {
    ctx.port.purgeReceive();
    ctx.port.close();
  }
  ctx.ui.showMessage(text::kTransferCancelled, caption, MessageIcon::None);
}

void closePortAfterDownload(LinkContext& ctx) {
  ctx.port.purgeReceive();
  ctx.port.close();
}

std::optional<LinkChoice> linkChoiceFromTemplate(const Template& t, Transport transport, std::string* error) {
  const auto name = comPortName(t.comPort());
  const bool rateKnown = baudRateOf(t.comRate()).has_value();
  if (!name || !rateKnown) {
    if (error) *error = std::string(name ? text::kInvalidBaudRate : text::kInvalidComPort);
    return std::nullopt;
  }
  return LinkChoice{*name, t.comRate(), transport};
}

}  // namespace k60::link
