// Tests of one port's unattended watch on the virtual clock: when it polls, what it reports,
// and the files a terminal's collections leave.
#include "link/port_watch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "link/link_messages.h"
#include "tests/link/scripted_port.h"
#include "tests/support/test_support.h"

namespace k60::link {
namespace {

using test::Bytes;
using test::bytesOf;
using test::ScriptedPort;

// A terminal that answers every poll and sends its records, one a line after each "ACK\r".
struct Cradle {
  std::vector<Bytes> lines;
  std::size_t next = 0;

  void heard(ScriptedPort& port, std::string_view what) {
    if (what == text::kRead) port.reply(text::kAckLine, 5);
    next = what == text::kRead ? 0 : next + (what == text::kAckLine);
    port.reply(next < lines.size() ? lines[next] : bytesOf(text::kOver), 5);
  }
};

struct Rig : WatchHost {
  k60::test::ScratchDir dir;
  VirtualClock clock;
  ScriptedPort port{clock};
  WatchSettings settings{{"ttyUSB0", 0, Transport::Cable}, 2000};
  std::vector<std::string> events;
  std::uint32_t stopAtMs = 60'000;
  bool stopOnStart = false, cancelOnStart = false, started = false;
  std::function<void()> atTick;  // changes the port's state as time goes by
  int files = 0;

  void report(const std::string& name, const WatchReport& r) override {
    EXPECT_EQ(name, "ttyUSB0");
    static const char* const kNames[] = {"opened", "unavailable", "lost", "started", "received", "written", "failed", ""};
    std::string e = kNames[static_cast<int>(r.event)];
    if (r.event == WatchEvent::RecordsReceived) e += " " + std::to_string(r.records);
    events.push_back(e + std::string(r.text));
    started = started || r.event == WatchEvent::CollectionStarted;
  }
  std::string newCollectionPath(const std::string&) override { return dir.file("C" + std::to_string(++files) + ".TXT"); }
  bool stopRequested() override {
    if (atTick) atTick();
    return clock.nowMs() >= stopAtMs || (stopOnStart && started);
  }
  bool cancelRequested() override { return cancelOnStart && started; }

  void play(Cradle cradle) {
    port.onWrite = [c = std::make_shared<Cradle>(std::move(cradle))](ScriptedPort& p, std::span<const std::uint8_t> b) {
      c->heard(p, std::string(b.begin(), b.end()));
    };
  }
  void run() { watchPort(port, clock, settings, *this); }
  std::vector<std::uint32_t> timesOf(ScriptedPort::Kind kind) const {
    std::vector<std::uint32_t> out;
    for (const auto& e : port.events)
      if (e.kind == kind) out.push_back(e.atMs);
    return out;
  }
};

TEST(PortWatch, PollsOnceAnIntervalAndReportsAMissingOrLostPortOnlyWhenItChanges) {
  Rig rig;
  rig.port.openSucceeds = false;
  rig.stopAtMs = 31'000;
  rig.atTick = [&rig] {
    const std::uint32_t t = rig.clock.nowMs();
    rig.port.lost = t < 4'000 || (t >= 14'000 && t < 22'000);  // plugged in at 4 s, out 14..22 s
    rig.port.openSucceeds = !rig.port.lost;
  };
  rig.run();
  EXPECT_EQ(rig.events, (std::vector<std::string>{"unavailable" + std::string(text::kCollectPortOpenFailed), "opened",
                                                  "lost", "opened"}));
  // Tried at 1 and 3 s, opened at 5 s; a silent poll lasts 3 s and the next starts 2 s after
  // it. The poll under way when the port went notices at its end; tries every 2 s from then
  // bring the port back at 22 s.
  EXPECT_EQ(rig.timesOf(ScriptedPort::Kind::Write),
            (std::vector<std::uint32_t>{5'000, 10'001, 15'002, 22'003, 27'004}));
  EXPECT_EQ(rig.timesOf(ScriptedPort::Kind::Open), (std::vector<std::uint32_t>{1'000, 3'000, 5'000, 20'003, 22'003}));
  EXPECT_FALSE(rig.port.isOpen());
}

TEST(PortWatch, AskedToStopDuringACollectionFinishesIt_AskedTwiceDropsIt) {
  for (const bool twice : {false, true}) {
    Rig rig;
    rig.play({.lines = {k60::test::recordLine(0, "A-1"), k60::test::recordLine(1, "B-2")}});
    rig.stopOnStart = true;
    rig.cancelOnStart = twice;
    rig.run();
    const auto writes = rig.port.writes();
    EXPECT_EQ(std::count(writes.begin(), writes.end(), bytesOf(text::kRead)), 1) << twice;
    EXPECT_EQ(rig.events.back(), twice ? std::string(text::kTransferCancelled) : "written");
    EXPECT_EQ(k60::test::filesIn(rig.dir.path()), twice ? 0u : 1u);
    if (!twice) {
      EXPECT_EQ(k60::test::readWholeFile(rig.dir.file("C1.TXT")), bytesOf("A-1\r\nB-2\r\n"));
    }
    EXPECT_FALSE(rig.port.isOpen());
  }
}

}  // namespace
}  // namespace k60::link
