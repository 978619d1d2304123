// The link's waits: on the port until a byte arrives or the deadline, never in 1 ms steps of
// the clock; the peer's waits end at its own deadlines and when a paced byte has crossed.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "link/collection_receive.h"
#include "link/download.h"
#include "link/terminal_peer.h"
#include "link/terminal_peer_paced_port.h"
#include "tests/link/recording_ui.h"
#include "tests/link/scripted_port.h"

namespace k60::link {
namespace {

using test::RecordingUi;
using test::ScriptedPort;

// A virtual clock that counts the 1 ms idles asked of it.
class CountingClock : public VirtualClock {
 public:
  int idles = 0;
  void idle() override {
    ++idles;
    VirtualClock::idle();
  }
};

struct WaitRig {
  CountingClock clock;
  ScriptedPort port{clock};
  RecordingUi ui;
  LineSettings line;
  LinkContext ctx{port, clock, ui, line};
};

struct WaitCase {
  std::string name;
  std::string reply;       // what the terminal answers to each write ("" for silence)
  std::uint32_t replyMs;   // after how long
  std::uint32_t elapsedMs;  // when the engine is done: the same deadlines as ever
  std::function<void(LinkContext&)> run;
};

TEST(PortWaits, EngineWaitsEndAtTheFirstByteOrTheDeadlineWithoutIdling) {
  const auto exchangeX = [](LinkContext& ctx) { exchange(ctx, wordBytes("X")); };
  const auto connect = [](LinkContext& ctx) { connectToTerminal(ctx); };
  const auto receive = [](LinkContext& ctx) { receiveRecords(ctx, [](std::span<const std::uint8_t>) { return true; }); };
  const std::array cases = {
      WaitCase{"reply after 37 ms", "ACK\r", 37, 37, exchangeX},
      WaitCase{"silent reply: 3 s, then over", "", 0, kReplyTimeoutMs + 1, exchangeX},
      WaitCase{"no CR: the rest of the 3 s", "ACK", 5, kReplyTimeoutMs + 1, exchangeX},
      WaitCase{"handshake answered at once", "ACK\r", 2, 2, connect},
      WaitCase{"four silent handshakes", "", 0, 4 * (kReplyTimeoutMs + 1), connect},
      // Each silent line waits 500 ms and is answered "NAK"; the eleventh ends it.
      WaitCase{"eleven silent lines", "", 0, 11 * 501, receive},
  };
  for (const WaitCase& c : cases) {
    WaitRig rig;
    rig.port.onWrite = [&c](ScriptedPort& p, std::span<const std::uint8_t>) {
      if (!c.reply.empty()) p.reply(c.reply, c.replyMs);
    };
    const std::uint32_t start = rig.clock.nowMs();
    c.run(rig.ctx);
    EXPECT_EQ(elapsedMs(start, rig.clock.nowMs()), c.elapsedMs) << c.name;
    EXPECT_EQ(rig.clock.idles, 0) << c.name;
    // Every wait is cut at the cancel check, so a 3 s wait takes about 60 of them.
    EXPECT_LE(rig.port.waits, c.elapsedMs / kCancelCheckMs + 12) << c.name;
  }
}

TEST(PortWaits, ACancelIsSeenWithinOneWait) {
  WaitRig rig;
  int polls = 0;
  rig.ui.cancel = [&polls] { return ++polls > 3; };
  const std::uint32_t start = rig.clock.nowMs();
  EXPECT_THROW(exchange(rig.ctx, wordBytes("X")), TransferCancelled);
  EXPECT_LE(elapsedMs(start, rig.clock.nowMs()), 3 * kCancelCheckMs);
}

class NullSink : public peer::PeerSink {
 public:
  void programReceived(const peer::Bytes&) override {}
  void lookupReceived(const std::vector<peer::Bytes>&) override {}
  void collectionServed(int) override {}
  void downloadRefused(int) override {}
  void rateCommanded(std::uint32_t) override {}
  void note(const std::string&) override {}
};

TEST(PeerWaits, EndAtTheQuietTimeOfAnUnfinishedLineOrTheLimit) {
  struct Case {
    std::string arrived;
    std::uint32_t waitedMs;
  };
  const std::array cases = {
      Case{"", 5000},
      Case{"QUIB", 200},  // the rest of the handshake never comes: 200 ms end the line
  };
  for (const Case& c : cases) {
    VirtualClock clock;
    ScriptedPort port(clock);
    NullSink sink;
    peer::TerminalPeer peer(port, clock, {}, sink);
    port.reply(c.arrived);
    peer.step();
    const std::uint32_t start = clock.nowMs();
    peer.waitForInput(5000);
    EXPECT_EQ(elapsedMs(start, clock.nowMs()), c.waitedMs) << c.arrived;
  }
}

TEST(PeerWaits, PacedPortWaitsUntilTheFirstByteHasCrossed) {
  VirtualClock clock;
  ScriptedPort inner(clock);
  peer::PacedPort paced(inner, clock, 9600);  // a byte takes 1.04 ms
  std::array<std::uint8_t, 16> buffer{};
  EXPECT_FALSE(paced.waitForInput(clock, 100));  // nothing on the line: the whole 100 ms
  EXPECT_EQ(inner.waits, 1u);
  inner.reply("0123456789");
  const std::uint32_t start = clock.nowMs();
  EXPECT_TRUE(paced.waitForInput(clock, 100));
  EXPECT_EQ(elapsedMs(start, clock.nowMs()), 2u);  // whole milliseconds, rounded up
  EXPECT_EQ(paced.read(buffer), 1u);
}

}  // namespace
}  // namespace k60::link
