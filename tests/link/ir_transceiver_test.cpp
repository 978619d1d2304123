// The IR transceiver set-up against a transceiver double: probes, commands, lines and pauses.
#include <gtest/gtest.h>

#include "link/port_setup.h"
#include "tests/link/recording_ui.h"
#include "tests/link/scripted_port.h"
#include "tests/link/transceiver_double.h"

namespace k60::link::test {
namespace {

using Kind = ScriptedPort::Kind;

struct Apply {
  std::uint32_t atMs, rate;
  bool dtr, rts;
  bool operator==(const Apply&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Apply& a) {
  return os << "{at " << a.atMs << ", " << a.rate << ", dtr " << a.dtr << ", rts " << a.rts << "}";
}

class IrTransceiverTest : public ::testing::Test, protected TransceiverRig {
 protected:
  static constexpr std::uint32_t kStart = 1000;

  std::vector<Apply> applies() const {
    std::vector<Apply> out;
    for (const auto& e : port.events)
      if (e.kind == Kind::Apply) out.push_back({e.atMs - kStart, e.line.baudRate, e.line.dtrHigh, e.line.rtsHigh});
    return out;
  }
  std::vector<std::uint32_t> writeTimes() const {
    std::vector<std::uint32_t> out;
    for (const auto& e : port.events)
      if (e.kind == Kind::Write) out.push_back(e.atMs - kStart);
    return out;
  }
};

TEST_F(IrTransceiverTest, AnswerAt9600EndsTheProbesAndCommandsTheRateWithPauses) {
  transceiver.rate = 9600;
  ASSERT_TRUE(setUpIrTransceiver(ctx, 0));

  EXPECT_EQ(transceiver.probes, 1);
  EXPECT_EQ(port.writes(), (std::vector<Bytes>{{0x0F}, {0x07}, {0x36}, {0x51}}));
  EXPECT_EQ(writeTimes(), (std::vector<std::uint32_t>{200, 500, 600, 700}));
  EXPECT_EQ(applies(), (std::vector<Apply>{{0, 38400, true, true},
                                           {100, 9600, true, false},
                                           {300, 9600, true, true},
                                           {400, 9600, true, false},
                                           {800, 115200, true, true}}));
  EXPECT_EQ(clock.nowMs() - kStart, 900u) << "a pause follows the last step too";
  EXPECT_EQ(port.count(Kind::ReadsAtOnce), 1u);
  EXPECT_EQ(port.events.front().kind, Kind::ReadsAtOnce);
  EXPECT_EQ(transceiver.rate, 115200u);
  EXPECT_EQ(line.baudRate, 115200u);
  EXPECT_TRUE(line.dtrHigh && line.rtsHigh);
  EXPECT_EQ(line.dataBits, 8);
  EXPECT_TRUE(line.parityNone && line.oneStopBit);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(IrTransceiverTest, ProbesRunInTheirOrderUntilOneAnswers) {
  transceiver.rate = 19200;
  ASSERT_TRUE(setUpIrTransceiver(ctx, 4));

  EXPECT_EQ(transceiver.probes, 5);
  std::vector<std::uint32_t> probeRates;
  for (const auto& e : port.events)
    if (e.kind == Kind::Write && e.bytes == Bytes{0x0F}) probeRates.push_back(e.line.baudRate);
  EXPECT_EQ(probeRates, (std::vector<std::uint32_t>{9600, 115200, 38400, 57600, 19200}));
  // A silent probe costs three pauses and the 100 ms wait for the echo.
  EXPECT_EQ(writeTimes(), (std::vector<std::uint32_t>{200, 600, 1000, 1400, 1800, 2100, 2200, 2300}));
  const Bytes written = port.written();
  EXPECT_EQ(Bytes(written.end() - 3, written.end()), (Bytes{0x07, 0x32, 0x51}));
  EXPECT_EQ(transceiver.rate, 9600u);
  EXPECT_EQ(line.baudRate, 9600u);
}

TEST_F(IrTransceiverTest, TheRateCommandGoesOutAtTheFoundRate) {
  transceiver.rate = 57600;
  ASSERT_TRUE(setUpIrTransceiver(ctx, 2));
  const auto& events = port.events;
  std::vector<std::pair<std::uint8_t, std::uint32_t>> commands;
  for (const auto& e : events)
    if (e.kind == Kind::Write && e.bytes[0] != 0x0F) commands.push_back({e.bytes[0], e.line.baudRate});
  EXPECT_EQ(commands, (std::vector<std::pair<std::uint8_t, std::uint32_t>>{
                          {0x07, 57600}, {0x34, 57600}, {0x51, 57600}}));
  for (const auto& e : events) {
    if (e.kind == Kind::Write && e.bytes[0] != 0x0F) {
      EXPECT_FALSE(e.line.rtsHigh) << "command mode";
    }
  }
  EXPECT_EQ(transceiver.rate, 38400u);
}

TEST_F(IrTransceiverTest, EachRateIndexSendsItsCommandByte) {
  const std::uint8_t expected[5] = {'6', '5', '4', '3', '2'};
  for (int index = 0; index < 5; ++index) {
    port.events.clear();
    transceiver.rate = 38400;
    ASSERT_TRUE(setUpIrTransceiver(ctx, index));
    EXPECT_EQ(port.writes()[port.writes().size() - 2], Bytes{expected[index]}) << index;
    EXPECT_EQ(line.baudRate, kComRates[index]);
    EXPECT_EQ(transceiver.rate, kComRates[index]);
  }
}

TEST_F(IrTransceiverTest, ASilentTransceiverFailsAfterFiveProbesInNormalMode) {
  transceiver.rate = 4800;
  EXPECT_FALSE(setUpIrTransceiver(ctx, 0));
  EXPECT_EQ(port.writes(), (std::vector<Bytes>(5, Bytes{0x0F})));
  EXPECT_EQ(clock.nowMs() - kStart, 2100u);
  EXPECT_TRUE(port.current.rtsHigh && port.current.dtrHigh);
  EXPECT_TRUE(line.rtsHigh && line.dtrHigh);
  EXPECT_TRUE(ui.shown.empty()) << "the caller shows its own message";
}

TEST_F(IrTransceiverTest, AWrongByteFailsTheProbeAtOnce) {
  transceiver.rate = 115200;
  transceiver.garbageAt = 9600;
  ASSERT_TRUE(setUpIrTransceiver(ctx, 1));
  EXPECT_EQ(transceiver.probes, 2);
  // The 9600 probe ends when the wrong byte is read, without waiting out its 100 ms.
  const auto a = applies();
  EXPECT_EQ(a[2], (Apply{300, 9600, true, true}));
  EXPECT_EQ(a[3], (Apply{400, 115200, true, false}));
}

TEST_F(IrTransceiverTest, TheEchoIsAwaitedForAHundredMilliseconds) {
  transceiver.rate = 9600;
  transceiver.echoDelayMs = 195;  // arrives 95 ms into the wait
  ASSERT_TRUE(setUpIrTransceiver(ctx, 0));
  EXPECT_EQ(transceiver.probes, 1);

  transceiver.rate = 9600;
  transceiver.probes = 0;
  transceiver.echoDelayMs = 205;  // too late, and it must not answer the next probe either
  EXPECT_FALSE(setUpIrTransceiver(ctx, 0));
  EXPECT_EQ(transceiver.probes, 5);
  EXPECT_EQ(transceiver.rate, 9600u);
}

TEST_F(IrTransceiverTest, ARefusedLineSettingFailsTheSetUp) {
  port.applySucceeds = false;
  EXPECT_FALSE(setUpIrTransceiver(ctx, 0));
  EXPECT_TRUE(port.writes().empty());
  EXPECT_TRUE(line.rtsHigh && line.dtrHigh);
}

TEST_F(IrTransceiverTest, ARateThePortRefusesIsSkippedAndTheProbesGoOn) {
  port.acceptsSettings = [](const LineSettings& s) { return s.baudRate != 115200; };
  transceiver.rate = 38400;
  ASSERT_TRUE(setUpIrTransceiver(ctx, 1));
  EXPECT_EQ(transceiver.probes, 2);  // 9600 silent, 115200 refused without a write, 38400
  const auto writes = port.writes();
  ASSERT_EQ(writes.size(), 5u);
  EXPECT_EQ(writes[0], Bytes{0x0F});
  EXPECT_EQ(writes[1], Bytes{0x0F});
  EXPECT_EQ(writes[3], Bytes{0x35});
  EXPECT_EQ(transceiver.rate, 57600u);
}

TEST_F(IrTransceiverTest, ARateIndexOutsideTheFiveDoesNothing) {
  EXPECT_FALSE(setUpIrTransceiver(ctx, 5));
  EXPECT_FALSE(setUpIrTransceiver(ctx, -1));
  EXPECT_TRUE(port.events.empty());
  EXPECT_EQ(line.baudRate, 0u);
  EXPECT_FALSE(line.dtrHigh || line.rtsHigh);
}

}  // namespace
}  // namespace k60::link::test
