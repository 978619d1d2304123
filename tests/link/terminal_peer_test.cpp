// The terminal peer, driven byte by byte over an in-memory line with the virtual clock.
#include "link/terminal_peer.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <numeric>

#include "link/collection.h"
#include "link/download.h"
#include "link/lookup_transfer.h"
#include "link/program_image.h"
#include "link/terminal_peer_paced_port.h"
#include "link/virtual_clock.h"
#include "template/defaults.h"
#include "tests/link/recording_ui.h"

namespace k60::link::peer {
namespace {

// One end of an in-memory line: writes land in the other end's queue.
class PipeEnd : public SerialPort {
 public:
  std::deque<std::uint8_t> incoming;
  PipeEnd* other = nullptr;

  bool open(const std::string&) override { return true; }
  bool setQueueSizes(std::uint32_t, std::uint32_t) override { return true; }
  bool applyLineSettings(const LineSettings&) override { return true; }
  bool setReadsReturnAtOnce() override { return true; }
  bool setTransferTimeouts() override { return true; }
  std::size_t write(std::span<const std::uint8_t> bytes) override {
    other->incoming.insert(other->incoming.end(), bytes.begin(), bytes.end());
    return bytes.size();
  }
  std::size_t read(std::span<std::uint8_t> buffer) override {
    std::size_t n = 0;
    for (; n < buffer.size() && !incoming.empty(); ++n) {
      buffer[n] = incoming.front();
      incoming.pop_front();
    }
    return n;
  }
  void purgeReceive() override { incoming.clear(); }
  void close() override {}
  bool isOpen() const override { return true; }
};

struct Sink : PeerSink {
  std::vector<Bytes> images;
  std::vector<std::vector<Bytes>> lookups;
  std::vector<int> served, refused;
  std::vector<std::uint32_t> rates;
  void programReceived(const Bytes& image) override { images.push_back(image); }
  void lookupReceived(const std::vector<Bytes>& lines) override { lookups.push_back(lines); }
  void collectionServed(int records) override { served.push_back(records); }
  void downloadRefused(int block) override { refused.push_back(block); }
  void rateCommanded(std::uint32_t baud) override { rates.push_back(baud); }
  void note(const std::string&) override {}
};

Bytes programBlock(const Bytes& image, int n) {
  Bytes b(image.begin() + 100 * n, image.begin() + 100 * n + 100);
  const unsigned sum = std::accumulate(b.begin(), b.end(), 0u);
  b.push_back(static_cast<std::uint8_t>(sum / 256));
  b.push_back(static_cast<std::uint8_t>(sum % 256));
  b.push_back(static_cast<std::uint8_t>(n));
  return b;
}

Bytes lookupBlock(std::string_view line) {
  Bytes b = bytesOf(line);
  const unsigned sum = std::accumulate(b.begin(), b.end(), 0u);
  b.push_back(escapeCr(static_cast<std::uint8_t>(sum / 256)));
  b.push_back(escapeCr(static_cast<std::uint8_t>(sum % 256)));
  b.push_back(0x0D);
  return b;
}

// An image whose first block holds a CR and whose bytes are not all alike.
Bytes sampleImage() {
  Bytes image(10500);
  for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 7 + i / 100);
  image[0] = 1;
  image[5] = 0x0D;
  return image;
}

class PeerTest : public ::testing::Test {
 protected:
  PeerTest() {
    pc_.other = &terminal_;
    terminal_.other = &pc_;
  }
  TerminalPeer& start(PeerOptions options = {}) {
    peer_.emplace(terminal_, clock_, std::move(options), sink_);
    return *peer_;
  }
  // The PC writes; the peer takes it at once.
  std::string exchange(std::span<const std::uint8_t> bytes) {
    pc_.write(bytes);
    peer_->step();
    return received();
  }
  std::string exchange(std::string_view text) { return exchange(bytesOf(text)); }
  // Lets the quiet gap pass.
  std::string afterGap() {
    clock_.advance(250);
    peer_->step();
    return received();
  }
  std::string received() {
    std::string s(pc_.incoming.begin(), pc_.incoming.end());
    pc_.incoming.clear();
    return s;
  }

  VirtualClock clock_;
  PipeEnd pc_, terminal_;
  Sink sink_;
  std::optional<TerminalPeer> peer_;
};

TEST_F(PeerTest, TakesAProgramAndAnswersEveryBlock) {
  start();
  const Bytes image = sampleImage();
  EXPECT_EQ(exchange("QUIBEL\r"), "ACK\r");
  for (int n = 0; n < 105; ++n) ASSERT_EQ(exchange(programBlock(image, n)), "ACK\r") << n;
  ASSERT_EQ(sink_.images.size(), 1u);
  EXPECT_EQ(sink_.images[0], image);
  EXPECT_EQ(peer_->sessionsEnded(), 1);
}

TEST_F(PeerTest, ProgramResendsAreTakenOnceAndBadBlocksRefused) {
  start({.mode = DownloadMode::Program});
  const Bytes image = sampleImage();
  exchange("QUIBEL\r");
  Bytes damaged = programBlock(image, 0);
  damaged[3] ^= 1;
  EXPECT_NE(exchange(damaged), "ACK\r");
  EXPECT_EQ(exchange(programBlock(image, 0)), "ACK\r");
  EXPECT_EQ(exchange(programBlock(image, 0)), "ACK\r");  // our ACK was missed
  EXPECT_NE(exchange(programBlock(image, 2)), "ACK\r");  // out of order
  for (int n = 1; n < 105; ++n) exchange(programBlock(image, n));
  ASSERT_EQ(sink_.images.size(), 1u);
  EXPECT_EQ(sink_.images[0], image);
}

TEST_F(PeerTest, ProgramModeTakesANewHandshakeAfterAQuietGap) {
  start({.mode = DownloadMode::Program});
  const Bytes image = sampleImage();
  exchange("QUIBEL\r");
  exchange(programBlock(image, 0));
  Bytes half(image.begin(), image.begin() + 40);
  EXPECT_EQ(exchange(half), "");
  EXPECT_EQ(afterGap(), "");  // a broken block is dropped unanswered
  EXPECT_EQ(exchange("QUIBEL\r"), "");
  EXPECT_EQ(afterGap(), "ACK\r");
  for (int n = 0; n < 105; ++n) exchange(programBlock(image, n));
  EXPECT_EQ(sink_.images.size(), 1u);
}

TEST_F(PeerTest, AutoModeTakesALookupFileAfterTheFirstLinesGap) {
  start();
  exchange("QUIBEL\r");
  EXPECT_EQ(exchange(lookupBlock("123")), "");  // might be the start of a program block
  EXPECT_EQ(afterGap(), "ACK\r");
  EXPECT_EQ(exchange(lookupBlock("\xFF\x0E")), "ACK\r");  // sum 0x010D: low byte sent as 0x0E
  EXPECT_EQ(exchange(lookupBlock("")), "ACK\r");
  Bytes damaged = lookupBlock("ABC");
  damaged[1] = 'X';
  EXPECT_NE(exchange(damaged), "ACK\r");
  EXPECT_EQ(exchange(lookupBlock("ABC")), "ACK\r");
  EXPECT_EQ(exchange("OVER\r"), "ACK\r");
  ASSERT_EQ(sink_.lookups.size(), 1u);
  EXPECT_EQ(sink_.lookups[0], (std::vector<Bytes>{bytesOf("123"), bytesOf("\xFF\x0E"), {}, bytesOf("ABC")}));
}

TEST_F(PeerTest, EmptyLookupFileAndRetryStartFromTheFirstLine) {
  start({.mode = DownloadMode::Lookup});
  exchange("QUIBEL\r");
  EXPECT_EQ(exchange(lookupBlock("old")), "ACK\r");
  EXPECT_EQ(exchange("QUIBEL\r"), "ACK\r");  // a new attempt forgets the lines so far
  EXPECT_EQ(exchange("OVER\r"), "ACK\r");
  ASSERT_EQ(sink_.lookups.size(), 1u);
  EXPECT_TRUE(sink_.lookups[0].empty());
}

TEST_F(PeerTest, DownloadFaults) {
  PeerOptions o;
  o.faults = {.fullAt = 3, .rejectAt = 1, .rejectTimes = 2, .dropAt = 2, .noiseAt = 0};
  start(o);
  const Bytes image = sampleImage();
  exchange("QUIBEL\r");
  EXPECT_EQ(exchange(programBlock(image, 0)), "\xA5\x5A\x7E" "ACK\r");
  EXPECT_EQ(exchange(programBlock(image, 0)), "ACK\r");  // the PC could not read it
  EXPECT_EQ(exchange(programBlock(image, 1)), "ERR\r");
  EXPECT_EQ(exchange(programBlock(image, 1)), "ERR\r");
  EXPECT_EQ(exchange(programBlock(image, 1)), "ACK\r");
  EXPECT_EQ(exchange(programBlock(image, 2)), "");
  EXPECT_EQ(exchange(programBlock(image, 2)), "ACK\r");
  EXPECT_EQ(exchange(programBlock(image, 3)), "FULL\r");
  EXPECT_EQ(sink_.refused, std::vector<int>{3});
  EXPECT_EQ(peer_->sessionsEnded(), 1);
  EXPECT_EQ(exchange("QUIBEL\r"), "ACK\r");  // memory stays full
  for (int n = 0; n < 3; ++n) exchange(programBlock(image, n));
  EXPECT_EQ(exchange(programBlock(image, 3)), "FULL\r");
}

TEST_F(PeerTest, NoisyAnswerToALookupLineDoesNotDoubleIt) {
  PeerOptions o;
  o.mode = DownloadMode::Lookup;
  o.faults.noiseAt = 0;
  start(o);
  exchange("QUIBEL\r");
  EXPECT_EQ(exchange(lookupBlock("A")), "\xA5\x5A\x7E" "ACK\r");
  EXPECT_EQ(exchange(lookupBlock("A")), "ACK\r");
  EXPECT_EQ(exchange(lookupBlock("A")), "ACK\r");  // a real second line "A"
  exchange("OVER\r");
  EXPECT_EQ(sink_.lookups.at(0).size(), 2u);
}

std::string line(int seq, std::string_view data) {
  const Bytes b = recordLine(seq, bytesOf(data));
  return std::string(b.begin(), b.end());
}

TEST_F(PeerTest, ServesRecordsOneAtATimeWithWrappingSequence) {
  const std::vector<std::string> names = {"R0", "R1", "R2", "R3", "R4", "R5",
                                          "R6", "R7", "R8", "R9", "R10", "R11"};
  PeerOptions o;
  for (const auto& name : names) o.records.push_back(bytesOf(name));
  start(o);
  EXPECT_EQ(exchange("READ\r"), "ACK\r" + line(0, "R0"));
  EXPECT_EQ(exchange("NAK\r"), line(0, "R0"));
  for (int i = 1; i < 12; ++i) EXPECT_EQ(exchange("ACK\r"), line(i % 10, names[i]));
  EXPECT_EQ(line(0, "R10")[0], '\0');
  EXPECT_EQ(exchange("ACK\r"), "OVER\r");
  EXPECT_EQ(sink_.served, std::vector<int>{12});
}

TEST_F(PeerTest, RecordLineChecksumFollowsTheCrRule) {
  // Sequence 0 plus data summing to 0x0D0D: both checksum bytes go as 0x0E.
  Bytes data(13, 0xFF);
  data.push_back(0x1A);
  const unsigned sum = std::accumulate(data.begin(), data.end(), 0u);
  ASSERT_EQ(sum, 0x0D0Du);
  const Bytes l = recordLine(0, data);
  EXPECT_EQ(Bytes(l.end() - 3, l.end()), (Bytes{0x0E, 0x0E, 0x0D}));
  EXPECT_EQ(recordLine(3, {}), (Bytes{3, 3, 0, 0x0D}));
}

TEST_F(PeerTest, CollectionFaults) {
  PeerOptions o;
  o.records = {bytesOf("A1"), bytesOf("B2"), bytesOf("C3")};
  o.faults.repeatRecord = 0;
  o.faults.corruptRecord = 1;
  o.faults.noiseAt = 2;
  start(o);
  exchange("READ\r");
  EXPECT_EQ(exchange("ACK\r"), line(0, "A1"));  // as if our ACK was missed
  const std::string bad = exchange("ACK\r");
  EXPECT_NE(bad, line(1, "B2"));
  EXPECT_EQ(bad.substr(0, 3), line(1, "B2").substr(0, 3));
  EXPECT_EQ(exchange("NAK\r"), line(1, "B2"));
  EXPECT_EQ(exchange("ACK\r"), "\xA5\x5A\x7E" + line(2, "C3"));
  EXPECT_EQ(exchange("NAK\r"), line(2, "C3"));
  EXPECT_EQ(exchange("ACK\r"), "OVER\r");
}

TEST_F(PeerTest, IrTransceiverAnswersTheChosenProbeAndTakesTheRateCommand) {
  PeerOptions o;
  o.ir = true;
  o.faults.irAnswerProbe = 3;
  start(o);
  const Bytes probe{0x0F};
  EXPECT_EQ(exchange(probe), "");
  EXPECT_EQ(exchange(probe), "");
  EXPECT_EQ(exchange(probe), "\x0F");
  EXPECT_EQ(exchange(Bytes{0x07, '4', 0x51}), "");
  EXPECT_EQ(sink_.rates, std::vector<std::uint32_t>{38400});
  EXPECT_EQ(exchange("QUIBEL\r"), "ACK\r");  // then the terminal behind it
}

// Reads `ms` times a millisecond apart; returns the bytes taken.
std::size_t readFor(PacedPort& port, VirtualClock& clock, int ms) {
  std::array<std::uint8_t, 256> buf{};
  std::size_t got = 0;
  for (int i = 0; i < ms; ++i, clock.advance(1)) got += port.read(buf);
  return got;
}

TEST(PacedPortTest, BytesTakeTheirTimeOnTheLine) {
  VirtualClock clock;
  PipeEnd a, b;
  a.other = &b;
  b.other = &a;
  PacedPort paced(a, clock, 115200);
  const std::uint32_t t0 = clock.nowMs();
  paced.write(Bytes(1152, 0x55));  // 100 ms at 115200 bit/s
  EXPECT_EQ(elapsedMs(t0, clock.nowMs()), 100u);
  EXPECT_EQ(b.incoming.size(), 1152u);

  a.incoming.assign(1000, 0x33);  // waiting before the first look counts for nothing
  clock.advance(50);
  EXPECT_EQ(readFor(paced, clock, 10), 103u);  // 9 ms of crossing: 103 whole bytes
  EXPECT_EQ(readFor(paced, clock, 80), 1000u - 103u);
}

TEST(PacedPortTest, ANewRateAppliesToTheBytesAfterIt) {
  VirtualClock clock;
  PipeEnd a, b;
  a.other = &b;
  b.other = &a;
  PacedPort paced(a, clock, 115200);
  paced.setBaud(9600);
  a.incoming.assign(200, 0x33);
  EXPECT_EQ(readFor(paced, clock, 101), 96u);  // 100 ms at 9600 bit/s
  EXPECT_TRUE(a.incoming.empty());
  paced.purgeReceive();
  EXPECT_EQ(readFor(paced, clock, 100), 0u);
}

// A virtual clock that lets the peer take its turn whenever the engine idles.
class PumpingClock : public VirtualClock {
 public:
  TerminalPeer* peer = nullptr;
  void idle() override {
    VirtualClock::idle();
    if (peer) peer->step();
  }
};

// The protocol engines on one end of the in-memory line, the peer on the other.
class PeerWithEnginesTest : public ::testing::Test {
 protected:
  PeerWithEnginesTest() {
    pc_.other = &terminal_;
    terminal_.other = &pc_;
    choice_.portName = "COM1";
  }
  TerminalPeer& start(PeerOptions options = {}) {
    peer_.emplace(terminal_, clock_, std::move(options), sink_);
    clock_.peer = &*peer_;
    return *peer_;
  }
  static std::string fileText(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  PumpingClock clock_;
  PipeEnd pc_, terminal_;
  Sink sink_;
  test::RecordingUi ui_;
  LineSettings line_;
  LinkContext ctx_{pc_, clock_, ui_, line_};
  LinkChoice choice_;
  std::optional<TerminalPeer> peer_;
  std::filesystem::path dir_ = std::filesystem::path(testing::TempDir());
};

TEST_F(PeerWithEnginesTest, ProgramDownloadArrivesAsTheImage) {
  start();
  Template t;
  resetToDefaults(t);
  Template copy = t;
  ASSERT_TRUE(downloadProgram(ctx_, choice_, t));
  ASSERT_EQ(sink_.images.size(), 1u);
  const ProgramImage expected = buildProgramImage(copy);
  EXPECT_EQ(sink_.images[0], Bytes(expected.begin(), expected.end()));
}

TEST_F(PeerWithEnginesTest, LookupFileArrivesLineByLine) {
  start();
  const auto path = dir_ / "k60_peer_lookup.txt";
  std::ofstream(path, std::ios::binary) << "123\r\nABC\r\n\r\n\x86\x87\r\nlast";
  ASSERT_TRUE(downloadLookupFile(ctx_, choice_, path.string()));
  ASSERT_EQ(sink_.lookups.size(), 1u);
  EXPECT_EQ(sink_.lookups[0], (std::vector<Bytes>{bytesOf("123"), bytesOf("ABC"), {},
                                                  bytesOf("\x86\x87"), bytesOf("last")}));
}

TEST_F(PeerWithEnginesTest, CollectionThroughTheIrTransceiverSurvivesFaults) {
  PeerOptions o;
  o.ir = true;
  o.faults = {.noiseAt = 4, .repeatRecord = 9, .corruptRecord = 10, .irAnswerProbe = 2};
  std::string expected;
  for (int i = 0; i < 23; ++i) {
    const std::string data = "item " + std::to_string(i) + (i == 3 ? "" : ",42");
    o.records.push_back(bytesOf(data));
    expected += data + "\r\n";
  }
  start(o);
  choice_.transport = Transport::IrTransceiver;
  choice_.rateIndex = 3;
  const auto path = dir_ / "k60_peer_collected.txt";
  const CollectionResult r = collectData(ctx_, choice_, path.string());
  EXPECT_EQ(r.outcome, CollectionResult::Outcome::Collected);
  EXPECT_EQ(r.records, 23);
  EXPECT_EQ(fileText(path), expected);
  EXPECT_EQ(sink_.rates, std::vector<std::uint32_t>{19200});
}

}  // namespace
}  // namespace k60::link::peer
