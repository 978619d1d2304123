// Tests of the download: reply collection, block resends, handshake, retry question, and the
// program transfer's blocks, all on the virtual clock against a scripted terminal.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "link/download.h"
#include "link/program_image.h"
#include "template/defaults.h"
#include "tests/link/download_rig.h"

namespace k60::link::test {
namespace {

using Kind = ScriptedPort::Kind;

std::vector<std::string> blockLabels(int from, int to) {
  std::vector<std::string> out;
  for (int n = from; n <= to; ++n) out.push_back("block " + std::to_string(n));
  return out;
}

std::vector<std::string> concat(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

std::vector<std::uint32_t> writeTimes(const ScriptedPort& port) {
  std::vector<std::uint32_t> out;
  for (const auto& e : port.events)
    if (e.kind == Kind::Write) out.push_back(e.atMs);
  return out;
}

// The labels that follow `first` in the timeline, `first` included.
std::vector<std::string> sliceFrom(const std::vector<std::string>& timeline, const std::string& first,
                                   std::size_t count) {
  const auto at = std::find(timeline.begin(), timeline.end(), first);
  if (at == timeline.end()) return {};
  const auto end = timeline.end() - at < static_cast<std::ptrdiff_t>(count) ? timeline.end() : at + count;
  return {at, end};
}

std::vector<std::string> lastOf(const std::vector<std::string>& v, std::size_t count) {
  return {v.end() - static_cast<std::ptrdiff_t>(std::min(count, v.size())), v.end()};
}

bool isBlock(const Bytes& w, int n) { return w.size() == kProgramBlockSize && w[102] == n; }

using k60::test::defaultTemplate;

const std::string kDone = "msg 下载完毕!";
const std::string kAsk = "ask 下载失败，要重试吗?";

// ---- blocks ----

TEST(ProgramBlock, LayoutChecksumAndNumberWithoutEscaping) {
  ProgramImage image{};
  image.fill(0xFF);
  const auto full = programBlock(image, 7);
  EXPECT_EQ(full[100], 0x63);  // 25500 = 0x639C
  EXPECT_EQ(full[101], 0x9C);
  EXPECT_EQ(full[102], 7);

  for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 7 % 251);
  const auto last = programBlock(image, 104);
  EXPECT_TRUE(std::equal(last.begin(), last.begin() + 100, image.begin() + 10400));
  EXPECT_EQ(last[102], 0x68);

  // A low checksum byte of 0x0D stays 0x0D in a program block.
  image.fill(0);
  image[300] = 0xFF;
  image[301] = 14;  // sum 269
  const auto b3 = programBlock(image, 3);
  EXPECT_EQ(b3[100], 0x01);
  EXPECT_EQ(b3[101], 0x0D);
  EXPECT_EQ(b3[102], 3);
}

// ---- reply collection and resends ----

TEST(Exchange, CollectsUntilCrAcrossPolls) {
  DownloadRig rig;
  rig.terminal = [&](const Bytes&, int) {
    rig.port.reply("AC", 10);
    return Answer{"K\r", 2000};
  };
  const std::uint32_t start = rig.clock.nowMs();
  EXPECT_EQ(exchange(rig.ctx, wordBytes("X")), "ACK");
  EXPECT_GE(rig.clock.nowMs() - start, 2000u);
  EXPECT_LT(rig.clock.nowMs() - start, kReplyTimeoutMs);
}

TEST(Exchange, DeadlineHoldsWhenTheTickCounterWraps) {
  VirtualClock clock(0xFFFFFFFFu - 1000);
  ScriptedPort port(clock);
  RecordingUi ui;
  LineSettings line;
  LinkContext ctx{port, clock, ui, line};
  port.onWrite = [](ScriptedPort& p, std::span<const std::uint8_t>) { p.reply("ACK\r", 2500); };
  EXPECT_EQ(exchange(ctx, wordBytes("X")), "ACK");
  port.onWrite = nullptr;  // silence: the next exchange waits out its 3 s
  const std::uint32_t start = clock.nowMs();
  EXPECT_EQ(exchange(ctx, wordBytes("X")), "");
  EXPECT_GT(clock.nowMs() - start, kReplyTimeoutMs);
  EXPECT_LT(clock.nowMs() - start, kReplyTimeoutMs + 10);
}

TEST(Exchange, AckWithoutCrIsTakenWhenTheTimeRunsOut) {
  DownloadRig rig;
  rig.terminal = [](const Bytes&, int) { return Answer{"ACK", 10}; };
  const std::uint32_t start = rig.clock.nowMs();
  EXPECT_EQ(exchange(rig.ctx, wordBytes("X")), "ACK");
  EXPECT_GT(rig.clock.nowMs() - start, kReplyTimeoutMs);

  const Bytes block(103, 0x11);
  EXPECT_TRUE(sendBlock(rig.ctx, block));
  EXPECT_EQ(rig.port.count(Kind::Write), 2u);
  EXPECT_TRUE(rig.ui.shown.empty());
}

TEST(Exchange, LongReplyIsCutAndItsTailDropped) {
  DownloadRig rig;
  rig.terminal = [](const Bytes&, int n) { return Answer{n == 0 ? "0123456789ABCDEF\r" : "ACK\r"}; };
  EXPECT_EQ(exchange(rig.ctx, wordBytes("X")), "0123456789AB");
  EXPECT_EQ(rig.port.pendingBytes(), 0u);
  // The next send gets its own answer, not the old tail.
  EXPECT_EQ(exchange(rig.ctx, wordBytes("Y")), "ACK");
}

TEST(Exchange, LongReplyHoldingACrKeepsWhatFollowsForTheNextSend) {
  DownloadRig rig;
  rig.terminal = [](const Bytes&, int) { return Answer{"012345678\rACK\r"}; };
  EXPECT_EQ(exchange(rig.ctx, wordBytes("X")), "012345678\rAC");
  EXPECT_EQ(rig.port.pendingBytes(), 2u);  // "K\r" belongs to the next line
}

TEST(SendBlock, ReplyTextEndsAtAZeroByte) {
  DownloadRig rig;
  rig.terminal = [](const Bytes&, int) { return Answer{std::string("ACK\0\r", 5)}; };
  EXPECT_TRUE(sendBlock(rig.ctx, Bytes(103, 1)));
  EXPECT_EQ(rig.port.count(Kind::Write), 1u);
}

TEST(SendBlock, AfterALongReplyTheAnswersStayWithTheirSends) {
  DownloadRig rig;
  rig.terminal = [](const Bytes&, int n) { return Answer{n == 0 ? "0123456789ABCDEF\r" : "ACK\r"}; };
  EXPECT_TRUE(sendBlock(rig.ctx, Bytes(103, 1)));
  EXPECT_TRUE(sendBlock(rig.ctx, Bytes(103, 2)));
  EXPECT_EQ(rig.port.writes(), (std::vector<Bytes>{Bytes(103, 1), Bytes(103, 1), Bytes(103, 2)}));
}

TEST(SendBlock, FullFailsAtOnceWithItsMessage) {
  DownloadRig rig;
  rig.terminal = [](const Bytes&, int) { return Answer{"FULL\r"}; };
  EXPECT_FALSE(sendBlock(rig.ctx, Bytes(10, 0)));
  EXPECT_EQ(rig.port.count(Kind::Write), 1u);
  ASSERT_EQ(rig.ui.shown.size(), 1u);
  EXPECT_EQ(rig.ui.shown[0].text, "终端内存已满!");
  EXPECT_EQ(rig.ui.shown[0].caption, "错误");
  EXPECT_EQ(rig.ui.shown[0].icon, MessageIcon::Exclamation);
}

// ---- the command ----

TEST(ProgramDownload, DefaultTemplateGoesOutAsTheImageBlocks) {
  DownloadRig rig;
  rig.ackEverything();
  Template t = defaultTemplate();
  Template copy = t;
  const ProgramImage expected = buildProgramImage(copy);

  ASSERT_TRUE(downloadProgram(rig.ctx, rig.choice, t));

  const auto writes = rig.port.writes();
  ASSERT_EQ(writes.size(), 106u);
  EXPECT_EQ(writes[0], bytesOf("QUIBEL\r"));
  for (int n = 0; n < kProgramBlockCount; ++n) {
    const auto b = programBlock(expected, n);
    EXPECT_EQ(writes[n + 1], Bytes(b.begin(), b.end())) << "block " << n;
  }
  EXPECT_EQ(writes[1][0], 0x01);  // starts at form 1
  EXPECT_EQ(writes[1][102], 0x00);
  EXPECT_EQ(writes[105][102], 0x68);

  std::vector<int> progress;
  for (int n = 0; n < kProgramBlockCount; ++n) progress.push_back(n + 5);
  progress.push_back(100);
  EXPECT_EQ(rig.ui.progress, progress);

  ASSERT_EQ(rig.ui.shown.size(), 1u);
  EXPECT_EQ(rig.ui.shown[0].text, "下载完毕!");
  EXPECT_EQ(rig.ui.shown[0].caption, "下载");
  EXPECT_EQ(rig.ui.shown[0].icon, MessageIcon::Exclamation);

  const auto timeline = rig.timeline();
  EXPECT_EQ(sliceFrom(timeline, "open", 7), (std::vector<std::string>{
                "open", "queues", "apply", "timeouts", "QUIBEL", "progressOpen", "block 0"}));
  EXPECT_EQ(lastOf(timeline, 7), (std::vector<std::string>{"block 104", "progress 109", "progress 100",
                                                           "progressClose", kDone, "purge", "close"}));
}

TEST(ProgramDownload, SilentTerminalGetsThreeHandshakesThenTheRetryQuestion) {
  DownloadRig rig;  // no terminal: nothing ever answers
  Template t = defaultTemplate();
  const std::uint32_t start = rig.clock.nowMs();

  EXPECT_FALSE(downloadProgram(rig.ctx, rig.choice, t));

  EXPECT_EQ(rig.writeLabels(), (std::vector<std::string>{"QUIBEL", "QUIBEL", "QUIBEL"}));
  const auto at = writeTimes(rig.port);
  EXPECT_GT(at[1] - at[0], kReplyTimeoutMs);
  EXPECT_GT(at[2] - at[1], kReplyTimeoutMs);
  EXPECT_GT(rig.clock.nowMs() - start, 9000u);
  EXPECT_EQ(rig.ui.progressOpened, 0);

  ASSERT_EQ(rig.ui.shown.size(), 2u);
  EXPECT_EQ(rig.ui.shown[0].text, "终端没有准备好!");
  EXPECT_EQ(rig.ui.shown[0].caption, "错误");
  EXPECT_EQ(rig.ui.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(rig.ui.shown[1].text, "下载失败，要重试吗?");
  EXPECT_EQ(rig.ui.shown[1].caption, "错误");
  EXPECT_EQ(rig.ui.shown[1].icon, MessageIcon::Question);
  EXPECT_TRUE(rig.ui.shown[1].question);
  EXPECT_EQ(lastOf(rig.timeline(), 3), (std::vector<std::string>{kAsk, "purge", "close"}));
}

// A cancel while block 10 waits for its answer: the progress window closes, no retry
// question, the port is purged and closed, and the message says so.
TEST(ProgramDownload, CancelStopsAtTheNextWaitWithoutTheRetryQuestion) {
  DownloadRig rig;
  rig.terminal = [](const Bytes&, int n) { return n <= 10 ? std::optional<Answer>(Answer{"ACK\r"}) : std::nullopt; };
  rig.ui.cancel = [&rig] { return rig.port.count(ScriptedPort::Kind::Write) > 11; };
  Template t = defaultTemplate();

  EXPECT_FALSE(downloadProgram(rig.ctx, rig.choice, t));

  EXPECT_EQ(rig.writeLabels().back(), "block 10");
  EXPECT_EQ(lastOf(rig.timeline(), 4), (std::vector<std::string>{"progressClose", "purge", "close", "msg 传输已取消!"}));
  EXPECT_EQ(rig.ui.shown.back().caption, "下载");
  EXPECT_EQ(rig.ui.shown.size(), 1u);
}

TEST(ProgramDownload, SecondHandshakeAnsweredAckIsTheLast) {
  DownloadRig rig;
  rig.terminal = [](const Bytes&, int n) { return Answer{n == 0 ? "NAK\r" : "ACK\r"}; };
  Template t = defaultTemplate();
  EXPECT_TRUE(downloadProgram(rig.ctx, rig.choice, t));
  const auto labels = rig.writeLabels();
  ASSERT_GE(labels.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(labels.begin(), labels.begin() + 3),
            (std::vector<std::string>{"QUIBEL", "QUIBEL", "block 0"}));
}

TEST(ProgramDownload, FullOnBlock37ThenYesStartsOverWithTheHandshake) {
  DownloadRig rig;
  bool fullSent = false;
  rig.terminal = [&](const Bytes& w, int) {
    if (!isBlock(w, 37) || fullSent) return Answer{"ACK\r"};
    fullSent = true;
    return Answer{"FULL\r"};
  };
  rig.ui.answers = {true};
  Template t = defaultTemplate();

  EXPECT_TRUE(downloadProgram(rig.ctx, rig.choice, t));

  const auto expected = concat(concat(concat({"QUIBEL"}, blockLabels(0, 37)), {"QUIBEL"}), blockLabels(0, 104));
  EXPECT_EQ(rig.writeLabels(), expected);
  EXPECT_EQ(rig.ui.texts(), (std::vector<std::string>{"终端内存已满!", "下载失败，要重试吗?", "下载完毕!"}));
  EXPECT_EQ(sliceFrom(rig.timeline(), "msg 终端内存已满!", 7),
            (std::vector<std::string>{"msg 终端内存已满!", "progressClose", kAsk, "timeouts", "QUIBEL",
                                      "progressOpen", "block 0"}));
  EXPECT_EQ(rig.ui.progressOpened, 2);
  EXPECT_EQ(rig.ui.progressClosed, 2);
}

TEST(ProgramDownload, BlockNotAcceptedAfterFourSendsAndRetryDeclined) {
  DownloadRig rig;
  int block5Sends = 0;
  // Block 5 gets something other than "ACK" every time: a refusal, silence, near misses.
  rig.terminal = [&](const Bytes& w, int) -> std::optional<Answer> {
    if (!isBlock(w, 5)) return Answer{"ACK\r"};
    switch (block5Sends++) {
      case 0: return Answer{"NAK\r"};
      case 1: return std::nullopt;
      case 2: return Answer{"ACKX\r"};
      default: return Answer{"ack\r"};
    }
  };
  Template t = defaultTemplate();

  EXPECT_FALSE(downloadProgram(rig.ctx, rig.choice, t));

  const auto expected = concat(concat({"QUIBEL"}, blockLabels(0, 5)), {"block 5", "block 5", "block 5"});
  EXPECT_EQ(rig.writeLabels(), expected);
  ASSERT_EQ(rig.ui.shown.size(), 2u);
  EXPECT_EQ(rig.ui.shown[0].text, "下载出错!");
  EXPECT_EQ(rig.ui.shown[0].caption, "错误");
  EXPECT_EQ(rig.ui.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(lastOf(rig.timeline(), 5),
            (std::vector<std::string>{"msg 下载出错!", "progressClose", kAsk, "purge", "close"}));
}

TEST(ProgramDownload, LateReplyAnswersTheResend) {
  DownloadRig rig;
  int block0Sends = 0;
  rig.terminal = [&](const Bytes& w, int) -> std::optional<Answer> {
    if (!isBlock(w, 0)) return Answer{"ACK\r"};
    if (block0Sends++ == 0) return Answer{"ACK\r", 3500};
    return std::nullopt;
  };
  Template t = defaultTemplate();

  EXPECT_TRUE(downloadProgram(rig.ctx, rig.choice, t));

  const auto expected = concat(concat({"QUIBEL"}, {"block 0"}), blockLabels(0, 104));
  EXPECT_EQ(rig.writeLabels(), expected);
  const auto at = writeTimes(rig.port);
  EXPECT_GT(at[2] - at[1], kReplyTimeoutMs);  // block 0 sent again after 3 s
  EXPECT_GE(at[3] - at[1], 3500u);            // block 1 once the late reply came
  EXPECT_LT(at[3] - at[1], 3600u);
}

TEST(ProgramDownload, PortThatDoesNotOpenEndsTheCommand) {
  DownloadRig rig;
  rig.ackEverything();
  rig.port.openSucceeds = false;
  Template t = defaultTemplate();
  EXPECT_FALSE(downloadProgram(rig.ctx, rig.choice, t));
  EXPECT_EQ(rig.port.count(Kind::Write), 0u);
  EXPECT_EQ(rig.ui.texts(), (std::vector<std::string>{"不能打开COM端口"}));
}

// A port whose write time-outs cannot be set.
class NoTimeoutsPort : public ScriptedPort {
 public:
  using ScriptedPort::ScriptedPort;
  bool setTransferTimeouts() override {
    ScriptedPort::setTransferTimeouts();
    return false;
  }
};

TEST(ProgramDownload, TimeoutsThatCannotBeSetFailTheAttemptBeforeSending) {
  VirtualClock clock;
  NoTimeoutsPort port(clock);
  RecordingUi ui;
  LineSettings line;
  LinkContext ctx{port, clock, ui, line};
  Template t = defaultTemplate();

  EXPECT_FALSE(downloadProgram(ctx, {"COM1", 0, Transport::Cable}, t));
  EXPECT_EQ(port.count(Kind::Write), 0u);
  EXPECT_EQ(ui.texts(), (std::vector<std::string>{"设置通讯状态出错", "下载失败，要重试吗?"}));
  EXPECT_EQ(port.count(Kind::Purge), 1u);
  EXPECT_EQ(port.count(Kind::Close), 1u);
}

}  // namespace
}  // namespace k60::link::test
