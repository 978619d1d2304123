// A download test rig: scripted terminal, virtual clock, recording UI and one timeline of
// what the port and the UI saw, in order.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "link/link_context.h"
#include "tests/link/recording_ui.h"
#include "tests/link/scripted_port.h"
#include "tests/support/test_support.h"

namespace k60::link::test {

// Records UI calls together with how many port events had happened by then.
class TimelineUi : public RecordingUi {
 public:
  explicit TimelineUi(const ScriptedPort& port) : port_(port) {}
  struct Entry {
    std::size_t portEvents;
    std::string what;
  };
  std::vector<Entry> entries;

  void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) override {
    note("msg " + std::string(text));
    RecordingUi::showMessage(text, caption, icon);
  }
  bool askYesNo(std::string_view text, std::string_view caption, MessageIcon icon) override {
    note("ask " + std::string(text));
    return RecordingUi::askYesNo(text, caption, icon);
  }
  void progressOpen() override {
    note("progressOpen");
    RecordingUi::progressOpen();
  }
  void progressSet(int position) override {
    note("progress " + std::to_string(position));
    RecordingUi::progressSet(position);
  }
  void progressClose() override {
    note("progressClose");
    RecordingUi::progressClose();
  }

 private:
  void note(std::string what) { entries.push_back({port_.events.size(), std::move(what)}); }
  const ScriptedPort& port_;
};

// A terminal's answer to one write: the reply bytes and when they arrive.
struct Answer {
  std::string reply;
  std::uint32_t delayMs = 5;
};

struct DownloadRig {
  VirtualClock clock;
  ScriptedPort port{clock};
  TimelineUi ui{port};
  LineSettings line;
  LinkContext ctx{port, clock, ui, line};
  LinkChoice choice{"COM3", 0, Transport::Cable};
  // The terminal: the answer to the n-th write (from 0), or silence.
  std::function<std::optional<Answer>(const Bytes& written, int n)> terminal;

  DownloadRig() {
    port.onWrite = [this](ScriptedPort& p, std::span<const std::uint8_t> bytes) {
      if (!terminal) return;
      if (const auto a = terminal(Bytes(bytes.begin(), bytes.end()), writesSoFar++))
        p.reply(a->reply, a->delayMs);
    };
  }

  void ackEverything() {
    terminal = [](const Bytes&, int) { return Answer{"ACK\r"}; };
  }

  // The port events and UI calls in order, each as a short label.
  std::vector<std::string> timeline() const {
    std::vector<std::string> out;
    std::size_t next = 0;
    for (std::size_t i = 0; i <= port.events.size(); ++i) {
      for (; next < ui.entries.size() && ui.entries[next].portEvents == i; ++next)
        out.push_back(ui.entries[next].what);
      if (i < port.events.size()) out.push_back(label(port.events[i]));
    }
    return out;
  }

  // The writes, each as a label: "QUIBEL", "OVER", "block N" (103 bytes), else hex.
  std::vector<std::string> writeLabels() const {
    std::vector<std::string> out;
    for (const auto& w : port.writes()) out.push_back(writeLabel(w));
    return out;
  }

 private:
  int writesSoFar = 0;

  static std::string writeLabel(const Bytes& w) {
    if (w == bytesOf("QUIBEL\r")) return "QUIBEL";
    if (w == bytesOf("OVER\r")) return "OVER";
    if (w.size() == 103) return "block " + std::to_string(w[102]);
    return k60::test::toHex(w);
  }
  static std::string label(const ScriptedPort::Event& e) {
    using K = ScriptedPort::Kind;
    switch (e.kind) {
      case K::Open: return "open";
      case K::QueueSizes: return "queues";
      case K::Apply: return "apply";
      case K::ReadsAtOnce: return "readsAtOnce";
      case K::TransferTimeouts: return "timeouts";
      case K::Write: return writeLabel(e.bytes);
      case K::Purge: return "purge";
      case K::Close: return "close";
    }
    return "?";
  }
};

}  // namespace k60::link::test
