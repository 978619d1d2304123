// Tests of data collection against a scripted terminal: the bytes sent, the messages shown
// and the file left on disk.
#include "link/collection.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "link/link_messages.h"
#include "tests/link/model_terminal.h"
#include "tests/link/recording_ui.h"
#include "tests/link/scripted_port.h"
#include "tests/support/test_support.h"

namespace k60::link {
namespace {

using test::Bytes;
using test::bytesOf;
using k60::test::concat;
using k60::test::recordLine;
using test::RecordingUi;
using test::ScriptedPort;
using Outcome = CollectionResult::Outcome;
namespace fs = std::filesystem;

constexpr std::uint32_t kDelayMs = 5;

// A record line as the terminal sends it; the checksum is worked out here on its own.
// A terminal that follows the protocol with `lines` to send: "ACK\r" and the first line on
// "READ\r", the next line after "ACK\r", the same again after "NAK\r", then "OVER\r". It
// falls silent once `silentFrom` lines have been acknowledged.
struct Terminal {
  std::vector<Bytes> lines;
  std::size_t silentFrom = std::numeric_limits<std::size_t>::max();
  std::size_t next = 0;

  void sendCurrent(ScriptedPort& port) const {
    if (next >= silentFrom) return;
    port.reply(next < lines.size() ? lines[next] : bytesOf(text::kOver), kDelayMs);
  }
  void heard(ScriptedPort& port, std::string_view what) {
    if (what == text::kRead) port.reply(text::kAckLine, kDelayMs);
    if (what == text::kAckLine) ++next;
    sendCurrent(port);
  }
};

struct Rig {
  k60::test::ScratchDir dir;
  VirtualClock clock;
  ScriptedPort port{clock};
  RecordingUi ui;
  LineSettings line;
  LinkContext ctx{port, clock, ui, line};
  LinkChoice choice{"COM1", 0, Transport::Cable};
  std::string target = dir.file("OUT.TXT");

  CollectionResult run() { return collectData(ctx, choice, target); }

  void play(std::shared_ptr<Terminal> terminal) {
    port.onWrite = [terminal](ScriptedPort& p, std::span<const std::uint8_t> bytes) {
      terminal->heard(p, std::string(bytes.begin(), bytes.end()));
    };
  }
  // Answers the n-th write with replies[n]; an empty reply is silence.
  void answerInTurn(std::vector<Bytes> replies) {
    auto turn = std::make_shared<std::size_t>(0);
    port.onWrite = [turn, replies](ScriptedPort& p, std::span<const std::uint8_t>) {
      if (*turn < replies.size()) p.reply(std::span<const std::uint8_t>(replies[(*turn)++]), kDelayMs);
    };
  }

  std::vector<std::string> sent() const {
    std::vector<std::string> out;
    for (const auto& w : port.writes()) out.emplace_back(w.begin(), w.end());
    return out;
  }
  std::vector<std::uint32_t> writeTimes() const {
    std::vector<std::uint32_t> out;
    for (const auto& e : port.events)
      if (e.kind == ScriptedPort::Kind::Write) out.push_back(e.atMs);
    return out;
  }
  Bytes fileBytes() const { return k60::test::readWholeFile(target); }
};

std::vector<std::string> repeated(std::string_view s, std::size_t n) { return std::vector<std::string>(n, std::string(s)); }

std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

// The messages shown, as "text|caption"; every one of them without an icon.
std::vector<std::string> messages(const RecordingUi& ui) {
  std::vector<std::string> out;
  for (const auto& s : ui.shown) {
    EXPECT_EQ(s.icon, MessageIcon::None) << s.text;
    EXPECT_FALSE(s.question) << s.text;
    out.push_back(s.text + "|" + s.caption);
  }
  return out;
}

std::string message(std::string_view text, std::string_view caption) {
  return std::string(text) + "|" + std::string(caption);
}

void expectClosedWithoutPurge(const ScriptedPort& port) {
  ASSERT_FALSE(port.events.empty());
  EXPECT_EQ(port.events.front().kind, ScriptedPort::Kind::Open);
  EXPECT_EQ(port.events.back().kind, ScriptedPort::Kind::Close);
  EXPECT_EQ(port.count(ScriptedPort::Kind::Purge), 0u);
}

TEST(Collection, TwoRecordsReplaceTheChosenFileWithTwoLines) {
  Rig rig;
  k60::test::writeWholeFile(rig.target, bytesOf("old data\r\n"));
  auto terminal = std::make_shared<Terminal>();
  terminal->lines = {{0x00, 'A', '1', 0x72, 0x00, 0x0D}, {0x01, 'B', '2', 0x75, 0x00, 0x0D}};
  rig.play(terminal);

  const CollectionResult result = rig.run();

  EXPECT_EQ(result.outcome, Outcome::Collected);
  EXPECT_EQ(result.records, 2);
  EXPECT_EQ(rig.fileBytes(), bytesOf("A1\r\nB2\r\n"));
  EXPECT_EQ(k60::test::filesIn(rig.dir.path()), 1u);
  EXPECT_EQ(rig.sent(), (std::vector<std::string>{"READ\r", "ACK\r", "ACK\r"}));
  EXPECT_TRUE(rig.ui.shown.empty());
  EXPECT_EQ(rig.ui.counterOpened, 1);
  EXPECT_EQ(rig.ui.counter, (std::vector<int>{1, 2}));
  EXPECT_EQ(rig.ui.counterClosed, 1);
  expectClosedWithoutPurge(rig.port);
  EXPECT_EQ(rig.port.events.front().name, "COM1");
}

TEST(Collection, ChecksumBytesOfThirteenTravelAsFourteen) {
  Rig rig;
  const Bytes lowIs13 = {0x00, 0x0C, 0x01, 0x0E, 0x00, 0x0D};
  Bytes highData(13, 0xFF);
  highData.push_back(0x0C);  // 1 + 13 * 255 + 12 = 0x0D00
  Bytes highIs13 = concat(Bytes{0x01}, highData);
  highIs13.insert(highIs13.end(), {0x00, 0x0E, 0x0D});
  const Bytes lowWrong = {0x00, 0x0C, 0x01, 0x0F, 0x00, 0x0D};
  rig.answerInTurn({concat(bytesOf("ACK\r"), lowWrong), lowIs13, highIs13, bytesOf("OVER\r")});

  const CollectionResult result = rig.run();

  EXPECT_EQ(result.outcome, Outcome::Collected);
  EXPECT_EQ(rig.sent(), (std::vector<std::string>{"READ\r", "NAK\r", "ACK\r", "ACK\r"}));
  EXPECT_EQ(rig.fileBytes(), concat(bytesOf("\x0C\x01\r\n"), concat(highData, bytesOf("\r\n"))));
}

TEST(Collection, RepeatedRecordIsAcknowledgedAndWrittenOnce) {
  Rig rig;
  const Bytes r0 = recordLine(0, "first"), r1 = recordLine(1, "second");
  rig.answerInTurn({concat(bytesOf("ACK\r"), r0), r0, r1, bytesOf("OVER\r")});

  const CollectionResult result = rig.run();

  EXPECT_EQ(result.records, 2);
  EXPECT_EQ(rig.sent(), (std::vector<std::string>{"READ\r", "ACK\r", "ACK\r", "ACK\r"}));
  EXPECT_EQ(rig.fileBytes(), bytesOf("first\r\nsecond\r\n"));
  EXPECT_EQ(rig.ui.counter, (std::vector<int>{1, 2}));
}

TEST(Collection, DamagedShortOrOutOfOrderLinesAreRefused) {
  Rig rig;
  Bytes badSum = recordLine(3, "d3");
  badSum[3] ^= 0x01;
  Bytes badRepeat = recordLine(2, "d2");
  badRepeat[1] = 'x';  // a damaged line carrying the last sequence number is not a repeat
  rig.answerInTurn({concat(bytesOf("ACK\r"), recordLine(0, "d0")), recordLine(1, "d1"), recordLine(2, "d2"),
                    recordLine(5, "d5"), badSum, badRepeat, Bytes{0x03, 0x0D}, Bytes{0x0D}, recordLine(3, "d3"),
                    bytesOf("OVER\r")});

  const CollectionResult result = rig.run();

  EXPECT_EQ(result.records, 4);
  EXPECT_EQ(rig.sent(), joined({{"READ\r"}, repeated("ACK\r", 3), repeated("NAK\r", 5), {"ACK\r"}}));
  EXPECT_EQ(rig.fileBytes(), bytesOf("d0\r\nd1\r\nd2\r\nd3\r\n"));
}

TEST(Collection, SequenceNumbersWrapFromNineToZeroAndEmptyRecordsGiveEmptyLines) {
  Rig rig;
  auto terminal = std::make_shared<Terminal>();
  terminal->lines = {{0x00, 0x00, 0x00, 0x0D}};
  std::string expected = "\r\n";
  for (int i = 1; i < 12; ++i) {
    terminal->lines.push_back(recordLine(static_cast<std::uint8_t>(i % 10), "R" + std::to_string(i)));
    expected += "R" + std::to_string(i) + "\r\n";
  }
  rig.play(terminal);

  const CollectionResult result = rig.run();

  EXPECT_EQ(result.records, 12);
  EXPECT_EQ(rig.sent(), joined({{"READ\r"}, repeated("ACK\r", 12)}));
  EXPECT_EQ(rig.fileBytes(), bytesOf(expected));
  EXPECT_EQ(rig.ui.counter.back(), 12);
}

TEST(Collection, LongLinesKeep255BytesAndAreNeverAcceptedCut) {
  Rig rig;
  Bytes longest(251);
  for (std::size_t i = 0; i < longest.size(); ++i) longest[i] = static_cast<std::uint8_t>('a' + i % 26);
  const Bytes full = recordLine(0, longest);
  ASSERT_EQ(full.size(), 255u);
  // 300 bytes whose first 255 would pass for record 1 with its data cut.
  Bytes cut = recordLine(1, longest);
  cut.back() = 'z';
  cut.resize(299, 'z');
  cut.push_back(0x0D);
  Bytes oneTooMany = longest;
  oneTooMany.push_back('!');
  const Bytes tooLong = recordLine(1, oneTooMany);
  ASSERT_EQ(tooLong.size(), 256u);
  rig.answerInTurn({concat(bytesOf("ACK\r"), full), tooLong, cut, recordLine(1, "short"), bytesOf("OVER\r")});

  const CollectionResult result = rig.run();

  EXPECT_EQ(result.records, 2);
  EXPECT_EQ(rig.sent(), (std::vector<std::string>{"READ\r", "ACK\r", "NAK\r", "NAK\r", "ACK\r"}));
  EXPECT_EQ(rig.fileBytes(), concat(longest, bytesOf("\r\nshort\r\n")));
}

TEST(Collection, OverBeforeAnyRecordLeavesNoFile) {
  Rig rig;
  rig.play(std::make_shared<Terminal>());

  const CollectionResult result = rig.run();

  EXPECT_EQ(result.outcome, Outcome::NothingReceived);
  EXPECT_EQ(rig.sent(), (std::vector<std::string>{"READ\r"}));
  EXPECT_EQ(messages(rig.ui), (std::vector<std::string>{message("没有接收到数据!", "上传数据")}));
  EXPECT_EQ(k60::test::filesIn(rig.dir.path()), 0u);
  EXPECT_EQ(rig.ui.counterOpened, 1);
  EXPECT_EQ(rig.ui.counterClosed, 1);
  EXPECT_TRUE(rig.ui.counter.empty());
  expectClosedWithoutPurge(rig.port);
}

TEST(Collection, TimeOutAfterTwentyRecordsLeavesTheEarlierFileUntouched) {
  Rig rig;
  k60::test::writeWholeFile(rig.target, bytesOf("old data\r\n"));
  auto terminal = std::make_shared<Terminal>();
  for (int i = 0; i < 25; ++i) terminal->lines.push_back(recordLine(static_cast<std::uint8_t>(i % 10), "rec"));
  terminal->silentFrom = 20;
  rig.play(terminal);

  const CollectionResult result = rig.run();

  EXPECT_EQ(result.outcome, Outcome::Failed);
  EXPECT_EQ(rig.sent(), joined({{"READ\r"}, repeated("ACK\r", 20), repeated("NAK\r", 10)}));
  EXPECT_EQ(messages(rig.ui), (std::vector<std::string>{message("超时!", "错误")}));
  EXPECT_EQ(rig.fileBytes(), bytesOf("old data\r\n"));
  EXPECT_EQ(k60::test::filesIn(rig.dir.path()), 1u);
  EXPECT_EQ(rig.ui.counter.size(), 20u);
  EXPECT_EQ(rig.ui.counterClosed, 1);
  // Each NAK after more than 500 ms of silence; the eleventh silent period ends it.
  const auto times = rig.writeTimes();
  for (std::size_t i = 21; i < times.size(); ++i) {
    EXPECT_GT(times[i] - times[i - 1], 500u);
    EXPECT_LT(times[i] - times[i - 1], 520u);
  }
  EXPECT_GT(rig.port.events.back().atMs - times.back(), 500u);
  expectClosedWithoutPurge(rig.port);
}

TEST(Collection, EveryLineRestartsTheSilenceCount) {
  Rig rig;
  // A slow terminal: each line comes only after the tenth time-out NAK.
  const std::vector<Bytes> lines = {recordLine(0, "a"), recordLine(1, "b"), bytesOf("OVER\r")};
  auto state = std::make_shared<std::pair<std::size_t, int>>(0, 0);  // next line, NAKs heard
  rig.port.onWrite = [state, lines](ScriptedPort& p, std::span<const std::uint8_t> bytes) {
    const std::string what(bytes.begin(), bytes.end());
    if (what == text::kRead) p.reply(text::kAckLine, kDelayMs);
    if (what == text::kNakLine && ++state->second == 10) p.reply(lines[state->first], kDelayMs);
    if (what == text::kAckLine) ++state->first, state->second = 0;
  };

  const CollectionResult result = rig.run();

  EXPECT_EQ(result.outcome, Outcome::Collected);
  EXPECT_EQ(rig.sent(), joined({{"READ\r"}, repeated("NAK\r", 10), {"ACK\r"}, repeated("NAK\r", 10), {"ACK\r"},
                                repeated("NAK\r", 10)}));
  EXPECT_EQ(rig.fileBytes(), bytesOf("a\r\nb\r\n"));
}

// A record line delivered after one or two time-out NAKs, then the next record damaged once:
// every record arrives exactly once, whether the terminal keeps the NAKs that reach it while
// it is still sending (and sends the late line again for each) or drops them.
TEST(Collection, LateLineIsCollectedOnceWithEitherKindOfTerminal) {
  struct Case {
    bool keeps;
    std::uint32_t lateMs;
    std::vector<std::string> sent;
  };
  const Case cases[] = {
      {true, 600, {"READ\r", "ACK\r", "NAK\r", "ACK\r", "NAK\r", "ACK\r"}},
      {false, 600, {"READ\r", "ACK\r", "NAK\r", "ACK\r", "NAK\r", "ACK\r"}},
      {true, 1100, {"READ\r", "ACK\r", "NAK\r", "NAK\r", "ACK\r", "NAK\r", "ACK\r"}},
      {false, 1100, {"READ\r", "ACK\r", "NAK\r", "NAK\r", "ACK\r", "NAK\r", "ACK\r"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.keeps ? "keeps" : "drops") + " answers, late " + std::to_string(c.lateMs));
    Rig rig;
    k60::test::writeWholeFile(rig.target, bytesOf("old\r\n"));
    auto terminal = std::make_shared<test::ModelTerminal>(
        std::vector<Bytes>{bytesOf("r0"), bytesOf("r1"), bytesOf("r2")}, c.keeps);
    terminal->faultOf = [&c](int record, int attempt) {
      test::LineFault f;
      if (record == 1 && attempt == 0) f.lateMs = c.lateMs;
      if (record == 2 && attempt == 0) f.damaged = true;  // the sequence byte, 02 -> 03
      return f;
    };
    test::ModelTerminal::attach(rig.port, terminal);

    const CollectionResult result = rig.run();

    EXPECT_EQ(result.outcome, Outcome::Collected);
    EXPECT_EQ(result.records, 3);
    EXPECT_EQ(rig.fileBytes(), bytesOf("r0\r\nr1\r\nr2\r\n"));
    EXPECT_EQ(rig.sent(), c.sent);
    EXPECT_EQ(terminal->acknowledged(), 3);
    EXPECT_TRUE(terminal->over());
    EXPECT_TRUE(messages(rig.ui).empty());
  }
}

// Ten lines in a row answered "NAK\r" end the collection as a time-out does.
TEST(Collection, TerminalOutOfStepEndsAfterTenRefusedLines) {
  Rig rig;
  k60::test::writeWholeFile(rig.target, bytesOf("old data\r\n"));
  rig.port.onWrite = [](ScriptedPort& p, std::span<const std::uint8_t> bytes) {
    if (std::string(bytes.begin(), bytes.end()) == text::kRead) p.reply(text::kAckLine, kDelayMs);
    p.reply(recordLine(5, "x"), 2 * kDelayMs);
  };

  const CollectionResult result = rig.run();

  EXPECT_EQ(result.outcome, Outcome::Failed);
  EXPECT_EQ(rig.sent(), joined({{"READ\r"}, repeated("NAK\r", 10)}));
  EXPECT_EQ(messages(rig.ui), (std::vector<std::string>{message(text::kCollectOutOfStep, "错误")}));
  EXPECT_EQ(rig.fileBytes(), bytesOf("old data\r\n"));
  EXPECT_EQ(k60::test::filesIn(rig.dir.path()), 1u);
  EXPECT_EQ(rig.ui.counterClosed, 1);
}

TEST(Collection, SilentTerminalGetsReadFourTimesThenTimeOut) {
  Rig rig;

  const CollectionResult result = rig.run();

  EXPECT_EQ(result.outcome, Outcome::NothingReceived);
  EXPECT_EQ(rig.sent(), repeated("READ\r", 4));
  const auto times = rig.writeTimes();
  for (std::size_t i = 1; i < times.size(); ++i) {
    EXPECT_GT(times[i] - times[i - 1], 3000u);
    EXPECT_LT(times[i] - times[i - 1], 3020u);
  }
  EXPECT_EQ(messages(rig.ui), (std::vector<std::string>{message("超时!", "错误"), message("没有接收到数据!", "上传数据")}));
  EXPECT_EQ(rig.ui.counterOpened, 0);
  EXPECT_EQ(k60::test::filesIn(rig.dir.path()), 0u);
  expectClosedWithoutPurge(rig.port);
}

TEST(Collection, SixWrongAnswersGiveUp) {
  Rig rig;
  rig.port.onWrite = [](ScriptedPort& p, std::span<const std::uint8_t>) { p.reply(text::kNakLine, kDelayMs); };

  const CollectionResult result = rig.run();

  EXPECT_EQ(result.outcome, Outcome::NothingReceived);
  EXPECT_EQ(rig.sent(), repeated("READ\r", 6));
  EXPECT_EQ(messages(rig.ui),
            (std::vector<std::string>{message("建立连接失败!", "错误"), message("没有接收到数据!", "上传数据")}));
  EXPECT_EQ(k60::test::filesIn(rig.dir.path()), 0u);
}

TEST(Collection, ReplyToReadKeepsTenBytesAndMustBeExactlyAck) {
  Rig rig;
  // Ten bytes kept, so the CR of the first answer is dropped and the try runs out of time;
  // the second is wrong at once; the third connects.
  rig.answerInTurn({bytesOf("ACKACKACKACK\r"), bytesOf("XACK\r"), concat(bytesOf("ACK\r"), recordLine(0, "ok")),
                    bytesOf("OVER\r")});

  const CollectionResult result = rig.run();

  EXPECT_EQ(result.records, 1);
  EXPECT_EQ(rig.sent(), (std::vector<std::string>{"READ\r", "READ\r", "READ\r", "ACK\r"}));
  const auto times = rig.writeTimes();
  EXPECT_GT(times[1] - times[0], 3000u);
  EXPECT_LT(times[2] - times[1], 100u);
}

TEST(Collection, FileThatCannotBeCreatedStopsBeforeThePort) {
  Rig rig;
  rig.target = (rig.dir.path() / "missing" / "OUT.TXT").string();

  const CollectionResult result = rig.run();

  EXPECT_EQ(result.outcome, Outcome::FileError);
  EXPECT_EQ(messages(rig.ui), (std::vector<std::string>{message("打开/创建文件失败!", "错误")}));
  EXPECT_TRUE(rig.port.events.empty());
}

TEST(Collection, PortFailureLeavesTheEarlierFileUntouched) {
  Rig rig;
  k60::test::writeWholeFile(rig.target, bytesOf("old data\r\n"));
  rig.port.openSucceeds = false;

  const CollectionResult result = rig.run();

  EXPECT_EQ(result.outcome, Outcome::PortError);
  EXPECT_EQ(messages(rig.ui), (std::vector<std::string>{message(text::kCollectPortOpenFailed, "错误")}));
  EXPECT_EQ(rig.fileBytes(), bytesOf("old data\r\n"));
  EXPECT_EQ(k60::test::filesIn(rig.dir.path()), 1u);
  EXPECT_EQ(rig.port.count(ScriptedPort::Kind::Write), 0u);
}

TEST(Collection, FileTakenDuringTheCollectionIsReported) {
  Rig rig;
  auto terminal = std::make_shared<Terminal>();
  terminal->lines = {recordLine(0, "a"), recordLine(1, "b")};
  const std::string target = rig.target;
  rig.port.onWrite = [terminal, target](ScriptedPort& p, std::span<const std::uint8_t> bytes) {
    terminal->heard(p, std::string(bytes.begin(), bytes.end()));
    // Another program puts a folder under the chosen name before the end.
    if (terminal->next == 2 && !fs::exists(target)) {
      fs::create_directory(target);
      k60::test::writeWholeFile(target + "/inside", bytesOf("x"));
    }
  };

  const CollectionResult result = rig.run();

  EXPECT_EQ(result.outcome, Outcome::Failed);
  EXPECT_EQ(messages(rig.ui), (std::vector<std::string>{message(text::kCannotWriteFile, "错误")}));
  EXPECT_EQ(k60::test::filesIn(rig.dir.path()), 1u);
}

}  // namespace
}  // namespace k60::link
