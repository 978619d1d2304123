// Opening the port for downloads and collections, closing it, the pause and the COM choice.
#include <gtest/gtest.h>

#include <stdexcept>

#include "link/link_messages.h"
#include "link/port_setup.h"
#include "template/template.h"
#include "tests/link/recording_ui.h"
#include "tests/link/scripted_port.h"
#include "tests/link/transceiver_double.h"

namespace k60::link::test {
namespace {

using Kind = ScriptedPort::Kind;

class PortSetupTest : public ::testing::Test, protected TransceiverRig {
 protected:
  std::vector<Kind> kinds() const {
    std::vector<Kind> out;
    for (const auto& e : port.events) out.push_back(e.kind);
    return out;
  }
  const ScriptedPort::Event& last(Kind kind) const {
    for (auto it = port.events.rbegin(); it != port.events.rend(); ++it)
      if (it->kind == kind) return *it;
    throw std::runtime_error("no such event");
  }
  void expectOneMessage(std::string_view text, MessageIcon icon) const {
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, text);
    EXPECT_EQ(ui.shown[0].caption, text::kErrorCaption);
    EXPECT_EQ(ui.shown[0].icon, icon);
    EXPECT_FALSE(ui.shown[0].question);
  }
};

TEST_F(PortSetupTest, CableDownloadOpensWithBigTransmitQueueAnd8N1AtTheRate) {
  ASSERT_TRUE(openPortForDownload(ctx, {"COM6", 4, Transport::Cable}));
  EXPECT_EQ(kinds(), (std::vector<Kind>{Kind::Open, Kind::QueueSizes, Kind::Apply}));
  EXPECT_EQ(port.events[0].name, "COM6");
  EXPECT_EQ(port.events[1].receive, 256u);
  EXPECT_EQ(port.events[1].transmit, 1200u);
  const LineSettings& applied = port.events[2].line;
  EXPECT_EQ(applied.baudRate, 9600u);
  EXPECT_EQ(applied.dataBits, 8);
  EXPECT_TRUE(applied.parityNone && applied.oneStopBit);
  EXPECT_FALSE(applied.dtrHigh || applied.rtsHigh) << "no IR command yet in this process";
  EXPECT_TRUE(port.isOpen());
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(PortSetupTest, CollectionOpensWithSmallQueuesAndSetsTransferTimeouts) {
  ASSERT_TRUE(openPortForCollection(ctx, {"COM2", 1, Transport::CableAlternate}));
  EXPECT_EQ(kinds(), (std::vector<Kind>{Kind::Open, Kind::QueueSizes, Kind::Apply, Kind::TransferTimeouts}));
  EXPECT_EQ(port.events[1].receive, 256u);
  EXPECT_EQ(port.events[1].transmit, 256u);
  EXPECT_EQ(port.events[2].line.baudRate, 57600u);
  EXPECT_EQ(transceiver.probes, 0) << "transport 2 runs no set-up";
}

TEST_F(PortSetupTest, IrDownloadCommandsTheTransceiverThenAppliesOnceMore) {
  transceiver.rate = 38400;
  ASSERT_TRUE(openPortForDownload(ctx, {"COM1", 3, Transport::IrTransceiver}));
  EXPECT_EQ(transceiver.rate, 19200u);
  const auto k = kinds();
  EXPECT_EQ(std::vector<Kind>(k.begin(), k.begin() + 4),
            (std::vector<Kind>{Kind::Open, Kind::QueueSizes, Kind::ReadsAtOnce, Kind::Apply}));
  ASSERT_GE(k.size(), 2u);
  EXPECT_EQ(k[k.size() - 1], Kind::Apply);
  EXPECT_EQ(k[k.size() - 2], Kind::Apply) << "the set-up's normal mode, then the caller's";
  const LineSettings& final = last(Kind::Apply).line;
  EXPECT_EQ(final.baudRate, 19200u);
  EXPECT_TRUE(final.dtrHigh && final.rtsHigh);
  EXPECT_EQ(port.count(Kind::TransferTimeouts), 0u) << "the download attempt sets them";
}

TEST_F(PortSetupTest, IrCollectionRunsTheSetUpBeforeTheRateAndTimeouts) {
  transceiver.rate = 115200;
  ASSERT_TRUE(openPortForCollection(ctx, {"COM3", 2, Transport::IrTransceiver}));
  EXPECT_EQ(transceiver.rate, 38400u);
  const auto k = kinds();
  EXPECT_EQ(k[2], Kind::ReadsAtOnce);
  EXPECT_EQ(k[k.size() - 1], Kind::TransferTimeouts);
  EXPECT_EQ(k[k.size() - 2], Kind::Apply);
  EXPECT_EQ(last(Kind::Apply).line.baudRate, 38400u);
}

TEST_F(PortSetupTest, AfterTheFirstIrCommandEveryLaterCommandRunsWithBothLinesHigh) {
  ASSERT_TRUE(openPortForDownload(ctx, {"COM1", 0, Transport::Cable}));
  EXPECT_FALSE(last(Kind::Apply).line.dtrHigh || last(Kind::Apply).line.rtsHigh);
  closePortAfterDownload(ctx);

  transceiver.rate = 4800;  // never answers: the command fails, the lines stay high
  EXPECT_FALSE(openPortForCollection(ctx, {"COM1", 0, Transport::IrTransceiver}));

  port.events.clear();
  ASSERT_TRUE(openPortForDownload(ctx, {"COM1", 1, Transport::Cable}));
  EXPECT_EQ(port.count(Kind::Apply), 1u);
  EXPECT_TRUE(last(Kind::Apply).line.dtrHigh && last(Kind::Apply).line.rtsHigh);
  EXPECT_EQ(last(Kind::Apply).line.baudRate, 57600u);
}

TEST_F(PortSetupTest, PortThatWillNotOpenGivesEachCommandsMessage) {
  port.openSucceeds = false;
  EXPECT_FALSE(openPortForDownload(ctx, {"COM4", 0, Transport::IrTransceiver}));
  expectOneMessage(text::kDownloadPortOpenFailed, MessageIcon::Exclamation);
  EXPECT_EQ(kinds(), std::vector<Kind>{Kind::Open});

  ui.shown.clear();
  port.events.clear();
  EXPECT_FALSE(openPortForCollection(ctx, {"COM4", 0, Transport::IrTransceiver}));
  expectOneMessage(text::kCollectPortOpenFailed, MessageIcon::None);
  EXPECT_EQ(kinds(), std::vector<Kind>{Kind::Open});
  EXPECT_EQ(transceiver.probes, 0);
}

TEST_F(PortSetupTest, FailedIrSetUpGivesEachCommandsMessageAndClosesThePort) {
  transceiver.rate = 4800;
  EXPECT_FALSE(openPortForDownload(ctx, {"COM1", 0, Transport::IrTransceiver}));
  expectOneMessage(text::kDownloadIrSetupFailed, MessageIcon::Exclamation);
  EXPECT_EQ(transceiver.probes, 5);
  EXPECT_EQ(kinds().back(), Kind::Close);
  EXPECT_FALSE(port.isOpen());

  ui.shown.clear();
  EXPECT_FALSE(openPortForCollection(ctx, {"COM1", 0, Transport::IrTransceiver}));
  expectOneMessage(text::kCollectIrSetupFailed, MessageIcon::Exclamation);
  EXPECT_EQ(kinds().back(), Kind::Close);
  EXPECT_EQ(port.count(Kind::TransferTimeouts), 0u);
}

TEST_F(PortSetupTest, RefusedLineSettingsCloseThePortWithAMessageOnlyForDownloads) {
  port.applySucceeds = false;
  EXPECT_FALSE(openPortForDownload(ctx, {"COM1", 0, Transport::Cable}));
  expectOneMessage(text::kDownloadLineSettingsFailed, MessageIcon::Exclamation);
  EXPECT_EQ(kinds(), (std::vector<Kind>{Kind::Open, Kind::QueueSizes, Kind::Apply, Kind::Close}));

  ui.shown.clear();
  port.events.clear();
  EXPECT_FALSE(openPortForCollection(ctx, {"COM1", 0, Transport::Cable}));
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(kinds(), (std::vector<Kind>{Kind::Open, Kind::QueueSizes, Kind::Apply, Kind::Close}));
}

TEST_F(PortSetupTest, ARateIndexOutsideTheFiveOpensNothing) {
  EXPECT_FALSE(openPortForDownload(ctx, {"COM1", 5, Transport::IrTransceiver}));
  EXPECT_FALSE(openPortForCollection(ctx, {"COM1", -1, Transport::Cable}));
  EXPECT_TRUE(port.events.empty());
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].text, text::kInvalidBaudRate);
  EXPECT_EQ(ui.shown[1].text, text::kInvalidBaudRate);
}

TEST_F(PortSetupTest, CloseAfterDownloadPurgesFirst) {
  ASSERT_TRUE(openPortForDownload(ctx, {"COM1", 0, Transport::Cable}));
  port.reply("ACK\r");
  closePortAfterDownload(ctx);
  const auto k = kinds();
  EXPECT_EQ(std::vector<Kind>(k.end() - 2, k.end()), (std::vector<Kind>{Kind::Purge, Kind::Close}));
  EXPECT_EQ(port.pendingBytes(), 0u);
}

TEST(PauseTest, WaitsAtLeastTheGivenTimeAlsoAcrossTheTickWrap) {
  VirtualClock clock(0xFFFFFFC0u);
  pause(clock);
  EXPECT_EQ(clock.nowMs(), 0xFFFFFFC0u + 100u);
  pause(clock, 250);
  EXPECT_EQ(clock.nowMs(), 0xFFFFFFC0u + 350u);
  pause(clock, 0);
  EXPECT_EQ(clock.nowMs(), 0xFFFFFFC0u + 350u);
}

TEST(LinkChoiceTest, TheTemplatesIndexesNameThePortAndRate) {
  Template t;
  t.setComPort(5);
  t.setComRate(4);
  std::string error = "untouched";
  const auto choice = linkChoiceFromTemplate(t, Transport::IrTransceiver, &error);
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->portName, "COM6");
  EXPECT_EQ(choice->rateIndex, 4);
  EXPECT_EQ(choice->transport, Transport::IrTransceiver);

  t.setComPort(0);
  t.setComRate(0);
  EXPECT_EQ(linkChoiceFromTemplate(t, Transport::Cable, nullptr)->portName, "COM1");
}

TEST(LinkChoiceTest, DamagedIndexesAreRefusedWithAMessage) {
  Template t;
  std::string error;
  t.setComPort(6);
  EXPECT_FALSE(linkChoiceFromTemplate(t, Transport::Cable, &error));
  EXPECT_EQ(error, text::kInvalidComPort);

  t.setComPort(2);
  t.setComRate(5);
  EXPECT_FALSE(linkChoiceFromTemplate(t, Transport::Cable, &error));
  EXPECT_EQ(error, text::kInvalidBaudRate);

  t.setComRate(255);
  EXPECT_FALSE(linkChoiceFromTemplate(t, Transport::Cable, nullptr));
}

}  // namespace
}  // namespace k60::link::test
