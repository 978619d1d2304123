// One port's watch: open, poll, collect, rest; opened again after it went missing.
#include "link/port_watch.h"

#include <algorithm>

#include "link/collected_file.h"
#include "link/collection.h"
#include "link/collection_receive.h"
#include "link/link_messages.h"
#include "link/port_setup.h"
#include "link/quiet_ui.h"

namespace k60::link {
namespace {

// The watch is its own link user interface: nobody is there to answer, so messages become
// reports and the only request to stop is the host's.
class PortWatch final : public QuietUi {
 public:
  PortWatch(SerialPort& port, Clock& clock, const WatchSettings& settings, WatchHost& host)
      : ctx_{port, clock, *this, line_}, settings_(settings), host_(host) {}

  void run() {
    while (!host_.stopRequested()) {
      try {
        if (ctx_.port.isOpen() || open()) poll();
      } catch (const TransferCancelled&) {
        if (collecting_) endCancelledTransfer(ctx_, text::kUploadCaption);
        break;
      }
      rest();
    }
    ctx_.port.close();
  }

  void showMessage(std::string_view text, std::string_view, MessageIcon) override {
    if (opening_) openingMessage_ = text;
    else report({.event = WatchEvent::LinkMessage, .text = text});
  }
  bool cancelRequested() override {
    return host_.cancelRequested() || (!collecting_ && host_.stopRequested());
  }

 private:
  enum class State { Unknown, Open, Unavailable, Lost };

  void report(const WatchReport& r) { host_.report(settings_.choice.portName, r); }

  // A failure is reported when the port stops being usable, not at every retry.
  bool open() {
    opening_ = true;
    openingMessage_.clear();
    const bool opened = openPortForCollection(ctx_, settings_.choice);
    opening_ = false;
    if (opened) {
      state_ = State::Open;
      report({.event = WatchEvent::PortOpened});
    } else if (state_ == State::Unknown || state_ == State::Open) {
      state_ = State::Unavailable;
      report({.event = WatchEvent::PortUnavailable, .text = openingMessage_, .openError = ctx_.port.lastOpenError()});
    }
    return opened;
  }

  // Bytes left from before (an abandoned collection, noise) are no answer to this poll.
  void poll() {
    ctx_.port.purgeReceive();
    if (pollTerminal(ctx_) == PollAnswer::Ack) collect();
    if (ctx_.port.deviceLost()) {
      ctx_.port.close();
      state_ = State::Lost;
      report({.event = WatchEvent::PortLost});
    }
  }

  void collect() {
    collecting_ = true;
    report({.event = WatchEvent::CollectionStarted});
    CollectedFile file(host_.newCollectionPath(settings_.choice.portName));
    const CollectionResult result = receiveIntoFile(ctx_, file);
    collecting_ = false;
    if (result.outcome == CollectionResult::Outcome::Collected) {
      report({.event = WatchEvent::RecordsReceived, .records = result.records});
      report({.event = WatchEvent::FileWritten, .path = file.path()});
    } else if (result.outcome != CollectionResult::Outcome::NothingReceived) {
      report({.event = WatchEvent::CollectionFailed});
    }
  }

  // The interval, in steps short enough to see a request to stop.
  void rest() {
    const std::uint32_t start = ctx_.clock.nowMs();
    while (!host_.stopRequested()) {
      const std::uint32_t elapsed = elapsedMs(start, ctx_.clock.nowMs());
      if (elapsed >= settings_.intervalMs) return;
      ctx_.clock.sleepUs(std::min(settings_.intervalMs - elapsed, kCancelCheckMs) * 1000ull);
    }
  }

  LineSettings line_;
  LinkContext ctx_;
  const WatchSettings& settings_;
  WatchHost& host_;
  State state_ = State::Unknown;
  bool collecting_ = false;
  bool opening_ = false;
  std::string openingMessage_;
};

}  // namespace

void watchPort(SerialPort& port, Clock& clock, const WatchSettings& settings, WatchHost& host) {
  PortWatch(port, clock, settings, host).run();
}

}  // namespace k60::link
