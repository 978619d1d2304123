// Tests of the lookup file download: line blocks, the line-length check, reading the file,
// and whole transfers against a scripted terminal on the virtual clock.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "link/download.h"
#include "link/lookup_file.h"
#include "link/lookup_transfer.h"
#include "tests/link/download_rig.h"

namespace k60::link::test {
namespace {

using Kind = ScriptedPort::Kind;
namespace fs = std::filesystem;

// A file of its own in the temporary directory, removed at the end of the test.
class ScratchFile {
 public:
  explicit ScratchFile(const std::string& content) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = fs::temp_directory_path() /
            (std::string("k60_lookup_") + info->test_suite_name() + "_" + info->name() + ".txt");
    std::ofstream(path_, std::ios::binary) << content;
  }
  ~ScratchFile() {
    std::error_code ignored;
    fs::remove(path_, ignored);
  }
  // UTF-8, as the command takes it.
  std::string path() const {
    const auto u8 = path_.u8string();
    return std::string(u8.begin(), u8.end());
  }

 private:
  fs::path path_;
};

std::string hexOf(const std::vector<std::uint8_t>& b) { return k60::test::toHex(b); }
std::vector<std::uint8_t> block(std::string_view line) { return lineBlock(wordBytes(line)); }

std::string lineOf(std::size_t length, char c = 'x') { return std::string(length, c); }

// ---- blocks and the check ----

TEST(LookupLineBlock, ChecksumHighThenLowWithCrSentAs0E) {
  EXPECT_EQ(hexOf(block("123")), "31 32 33 00 96 0D");
  EXPECT_EQ(hexOf(block("ABC")), "41 42 43 00 C6 0D");
  EXPECT_EQ(hexOf(block("")), "00 00 0D");
  // Sum 269 = 0x010D: the low byte would be a CR.
  EXPECT_EQ(hexOf(block("\xFF\x0E")), "FF 0E 01 0E 0D");
  // Sum 3328 = 0x0D00: the high byte would be a CR.
  const std::string high = lineOf(13, '\xFF') + std::string(13, '\x01');
  const auto b = block(high);
  ASSERT_EQ(b.size(), 29u);
  EXPECT_EQ(b[26], 0x0E);
  EXPECT_EQ(b[27], 0x00);
}

TEST(LookupLineCheck, CountsLineBytesAsSent) {
  const auto first = [](const std::string& s) { return firstOverlongLine(wordBytes(s)); };
  EXPECT_EQ(first(""), 0u);
  EXPECT_EQ(first(lineOf(253) + "\r\n" + lineOf(253)), 0u);
  EXPECT_EQ(first(lineOf(254)), 1u);
  EXPECT_EQ(first("a\r\nb\r\n" + lineOf(254) + "\r\n"), 3u);
  EXPECT_EQ(first("a\r\n" + lineOf(254)), 2u);  // a last line without CR counts too
  // LF bytes are not sent, so they do not count ...
  EXPECT_EQ(first(lineOf(200) + "\n\n\n\n" + lineOf(53) + "\r"), 0u);
  // ... and lines ended by LF alone are one line.
  EXPECT_EQ(first(lineOf(100) + "\n" + lineOf(100) + "\n" + lineOf(100) + "\n"), 1u);
}

TEST(LookupFileRead, ReadsEveryByteOrNothing) {
  const std::string content = std::string("a\r\n\0\xFF", 5) + lineOf(5000, 'z');
  ScratchFile f(content);
  const auto bytes = readLookupFile(f.path());
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(std::string(bytes->begin(), bytes->end()), content);
  EXPECT_FALSE(readLookupFile(f.path() + ".missing").has_value());
  const auto dir = fs::temp_directory_path().u8string();
  EXPECT_FALSE(readLookupFile(std::string(dir.begin(), dir.end())).has_value());
}

// ---- the command ----

TEST(LookupDownload, TwoLinesThenOverWithProgress) {
  DownloadRig rig;
  rig.ackEverything();
  ScratchFile f("123\r\nABC\r\n");

  EXPECT_TRUE(downloadLookupFile(rig.ctx, rig.choice, f.path()));

  EXPECT_EQ(rig.writeLabels(), (std::vector<std::string>{"QUIBEL", "31 32 33 00 96 0D",
                                                         "41 42 43 00 C6 0D", "OVER"}));
  EXPECT_EQ(rig.ui.progress, (std::vector<int>{100, 100}));
  EXPECT_EQ(rig.timeline(), (std::vector<std::string>{
                "open", "queues", "apply", "timeouts", "QUIBEL", "progressOpen", "31 32 33 00 96 0D",
                "41 42 43 00 C6 0D", "progress 100", "progress 100", "OVER", "progressClose",
                "msg 下载完毕!", "purge", "close"}));
  ASSERT_EQ(rig.ui.shown.size(), 1u);
  EXPECT_EQ(rig.ui.shown[0].caption, "下载");
}

TEST(LookupDownload, BlankLinesLastLineWithoutCrAndLfOnlyLines) {
  DownloadRig rig;
  rig.ackEverything();
  ScratchFile f("\r\n12\n34\n\r\nABC");

  EXPECT_TRUE(downloadLookupFile(rig.ctx, rig.choice, f.path()));

  EXPECT_EQ(rig.writeLabels(), (std::vector<std::string>{"QUIBEL", "00 00 0D", "31 32 33 34 00 CA 0D",
                                                         "41 42 43 00 C6 0D", "OVER"}));
}

TEST(LookupDownload, EmptyFileSendsOnlyOver) {
  DownloadRig rig;
  rig.ackEverything();
  ScratchFile f("");
  EXPECT_TRUE(downloadLookupFile(rig.ctx, rig.choice, f.path()));
  EXPECT_EQ(rig.writeLabels(), (std::vector<std::string>{"QUIBEL", "OVER"}));
  EXPECT_EQ(rig.ui.progress, (std::vector<int>{100}));
}

TEST(LookupDownload, ProgressAfterEachChunkFollowsItsLines) {
  DownloadRig rig;
  rig.ackEverything();
  std::string content;  // 16 lines of 32 bytes: four lines per 128-byte chunk
  for (int i = 0; i < 16; ++i) content += lineOf(30, static_cast<char>('a' + i)) + "\r\n";
  ASSERT_EQ(content.size(), 512u);
  ScratchFile f(content);

  EXPECT_TRUE(downloadLookupFile(rig.ctx, rig.choice, f.path()));

  EXPECT_EQ(rig.ui.progress, (std::vector<int>{25, 50, 75, 100, 100}));
  std::vector<std::string> steps;  // what stands between the handshake and "OVER"
  for (const auto& s : rig.timeline())
    if (s.rfind("progress ", 0) == 0) steps.push_back(s);
    else if (s.size() > 20) steps.push_back("line");
  EXPECT_EQ(steps, (std::vector<std::string>{"line", "line", "line", "line", "progress 25", "line", "line",
                                             "line", "line", "progress 50", "line", "line", "line", "line",
                                             "progress 75", "line", "line", "line", "line", "progress 100",
                                             "progress 100"}));
}

TEST(LookupDownload, FullOnTheTenthLineThenYesResendsFromTheFirstLine) {
  DownloadRig rig;
  std::string content;
  for (int i = 1; i <= 12; ++i) content += "L" + std::to_string(i) + "\r\n";
  ScratchFile f(content);
  bool fullSent = false;
  rig.terminal = [&](const Bytes& w, int) {
    if (w != block("L10") || fullSent) return Answer{"ACK\r"};
    fullSent = true;
    return Answer{"FULL\r"};
  };
  rig.ui.answers = {true};

  EXPECT_TRUE(downloadLookupFile(rig.ctx, rig.choice, f.path()));

  std::vector<std::string> expected{"QUIBEL"};
  for (int i = 1; i <= 10; ++i) expected.push_back(hexOf(block("L" + std::to_string(i))));
  expected.push_back("QUIBEL");
  for (int i = 1; i <= 12; ++i) expected.push_back(hexOf(block("L" + std::to_string(i))));
  expected.push_back("OVER");
  EXPECT_EQ(rig.writeLabels(), expected);
  EXPECT_EQ(rig.ui.texts(), (std::vector<std::string>{"终端内存已满!", "下载失败，要重试吗?", "下载完毕!"}));
}

TEST(LookupDownload, OverNotAcceptedFailsTheAttempt) {
  DownloadRig rig;
  rig.terminal = [](const Bytes& w, int) { return Answer{w == bytesOf("OVER\r") ? "NAK\r" : "ACK\r"}; };
  ScratchFile f("123\r\n");

  EXPECT_FALSE(downloadLookupFile(rig.ctx, rig.choice, f.path()));

  EXPECT_EQ(rig.writeLabels(), (std::vector<std::string>{"QUIBEL", "31 32 33 00 96 0D", "OVER", "OVER",
                                                         "OVER", "OVER"}));
  EXPECT_EQ(rig.ui.texts(), (std::vector<std::string>{"下载出错!", "下载失败，要重试吗?"}));
  EXPECT_EQ(rig.port.count(Kind::Close), 1u);
}

TEST(LookupDownload, OverlongLineIsRefusedBeforeThePortOpens) {
  DownloadRig rig;
  rig.ackEverything();
  ScratchFile f("ok\r\nfine\r\n" + lineOf(254) + "\r\nlast\r\n");

  EXPECT_FALSE(downloadLookupFile(rig.ctx, rig.choice, f.path()));

  EXPECT_TRUE(rig.port.events.empty());
  ASSERT_EQ(rig.ui.shown.size(), 1u);
  EXPECT_EQ(rig.ui.shown[0].text, "索引文件第3行超过253字节，不能下载!");
  EXPECT_EQ(rig.ui.shown[0].caption, "错误");
  EXPECT_EQ(rig.ui.shown[0].icon, MessageIcon::Exclamation);
}

TEST(LookupDownload, FileThatCannotBeOpenedLeavesThePortAlone) {
  DownloadRig rig;
  rig.ackEverything();

  EXPECT_FALSE(downloadLookupFile(rig.ctx, rig.choice, "/nonexistent/k60/lookup.txt"));

  EXPECT_TRUE(rig.port.events.empty());
  ASSERT_EQ(rig.ui.shown.size(), 1u);
  EXPECT_EQ(rig.ui.shown[0].text, "不能打开文件!");
  EXPECT_EQ(rig.ui.shown[0].caption, "错误");
  EXPECT_EQ(rig.ui.shown[0].icon, MessageIcon::Exclamation);
}

}  // namespace
}  // namespace k60::link::test
