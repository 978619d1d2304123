// Tests of the lookup file download: line blocks, the line-length check, reading the file,
// and whole transfers against a scripted terminal on the virtual clock.
#include <gtest/gtest.h>

#include <deque>
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
  // An LF that does not follow a CR ends a line too: lines ended by LF alone are lines of
  // their own, not one joined line.
  EXPECT_EQ(first(lineOf(200) + "\n\n\n\n" + lineOf(53) + "\r"), 0u);
  EXPECT_EQ(first(lineOf(100) + "\n" + lineOf(100) + "\n" + lineOf(100) + "\n"), 0u);
  EXPECT_EQ(first("a\nb\n" + lineOf(254) + "\n"), 3u);
}

// The lines as sent, for every kind of line end: CR LF and CR files keep the lines they
// always had; bare LF now ends a line instead of being dropped.
TEST(LookupLines, EndAtCrOrAtAnLfThatDoesNotFollowACr) {
  struct Case {
    std::string file;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"123\r\nABC\r\n", {"123", "ABC"}},
      {"123\rABC\r", {"123", "ABC"}},
      {"123\nABC\n", {"123", "ABC"}},
      {"123\nABC", {"123", "ABC"}},
      {"1\r\n2\n3\r4\r\n", {"1", "2", "3", "4"}},
      {"\r\n\n\r", {"", "", ""}},  // blank lines of each kind
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"", {}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> got;
    for (const auto& line : lookupLines(wordBytes(c.file))) got.emplace_back(line.begin(), line.end());
    EXPECT_EQ(got, c.lines) << hexOf(std::vector<std::uint8_t>(c.file.begin(), c.file.end()));
  }
}

TEST(LookupEncodingCheck, NamesTheFirstLineOfAUtf8FileThatIsNotGb2312) {
  const auto first = [](const std::string& s) { return firstUtf8OnlyLine(wordBytes(s)); };
  EXPECT_EQ(first("123\r\nABC\r\n"), 0u);                       // ASCII is both
  EXPECT_EQ(first("\xd6\xd0\xce\xc4\r\n\xb2\xe2\r\n"), 0u);   // GB2312 "中文", "测"
  EXPECT_EQ(first("ok\n\xe4\xb8\xad\xe6\x96\x87\n"), 2u);      // UTF-8 "中文" on line 2
  EXPECT_EQ(first("\xef\xbb\xbf" "A\r\n"), 1u);                 // a byte order mark
  // Neither GB2312 nor UTF-8 (a code page 936 character outside GB2312): sent as it is.
  EXPECT_EQ(first("\x81\x40\r\n"), 0u);
}

TEST(LookupEncodingCheck, Utf8AndGb2312Validity) {
  const auto utf8 = [](const std::string& s) { return isUtf8Text(wordBytes(s)); };
  const auto gb = [](const std::string& s) { return isGb2312Text(wordBytes(s)); };
  EXPECT_TRUE(utf8("a\xc3\xa9\xe4\xb8\xad\xf0\x9f\x98\x80"));
  EXPECT_FALSE(utf8("\xc0\xaf"));          // overlong "/"
  EXPECT_FALSE(utf8("\xed\xa0\x80"));      // a surrogate
  EXPECT_FALSE(utf8("\xe4\xb8"));          // cut short
  EXPECT_FALSE(utf8("\xf4\x90\x80\x80"));  // above U+10FFFF
  EXPECT_TRUE(gb("x\xd6\xd0\xf7\xfe"));
  EXPECT_FALSE(gb("\xd6"));                // a lead byte alone
  EXPECT_FALSE(gb("\xf8\xa1"));            // lead byte beyond GB2312
  EXPECT_FALSE(gb("\xb0\x40"));            // a code page 936 trail byte
}

TEST(LookupEncodingConversion, ConvertsEachLineAndKeepsItsEnd) {
  const auto conv = [](const std::string& s) {
    const LookupConversion c = convertUtf8LookupFile(wordBytes(s));
    return std::make_pair(std::string(c.bytes.begin(), c.bytes.end()), c.failedLine);
  };
  EXPECT_EQ(conv("A\xe4\xb8\xad\n\xe6\x96\x87\r\nz"),
            std::make_pair(std::string("A\xd6\xd0\n\xce\xc4\r\nz"), std::size_t{0}));
  EXPECT_EQ(conv("\xef\xbb\xbf" "ab\r"), std::make_pair(std::string("ab\r"), std::size_t{0}));
  // An emoji has no GB2312 form; nor has a character that only code page 936 holds.
  EXPECT_EQ(conv("ok\n\xf0\x9f\x98\x80\n").second, 2u);
  EXPECT_EQ(conv("ok\r\nok\r\n\xe4\xb8\x82\r\n").second, 3u);  // U+4E02, GBK 81 40
  EXPECT_EQ(conv("\xff\n").second, 1u);                               // not UTF-8
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

  EXPECT_EQ(rig.writeLabels(), (std::vector<std::string>{"QUIBEL", "00 00 0D", "31 32 00 63 0D", "33 34 00 67 0D",
                                                         "00 00 0D", "41 42 43 00 C6 0D", "OVER"}));
}

// The same lines arrive whatever the line ends, also when a CR LF pair is split between
// two 128-byte chunks.
TEST(LookupDownload, LfCrLfAndMixedEndsSendTheSameBlocks) {
  std::string lines[3];
  for (int i = 0; i < 3; ++i) lines[i] = lineOf(126, static_cast<char>('a' + i));
  std::vector<std::string> expected{"QUIBEL"};
  for (const auto& l : lines) expected.push_back(hexOf(block(l)));
  expected.push_back("OVER");
  // The ends of the three lines; with CR LF the first pair straddles bytes 127 and 128.
  const std::vector<std::vector<std::string>> endings{
      {"\n", "\n", "\n"}, {"\r\n", "\r\n", "\r\n"}, {"\r\n", "\n", "\r"}, {"\n", "\r", ""}};
  for (const auto& ends : endings) {
    DownloadRig rig;
    rig.ackEverything();
    std::string content;
    for (int i = 0; i < 3; ++i) content += lines[i] + ends[i];
    ScratchFile f(content);
    EXPECT_TRUE(downloadLookupFile(rig.ctx, rig.choice, f.path()));
    EXPECT_EQ(rig.writeLabels(), expected) << "ends of line 1: " << hexOf({ends[0].begin(), ends[0].end()});
  }
}

TEST(LookupDownload, Utf8FileIsRefusedConvertedOrAskedAbout) {
  const std::string utf8 = "A1\r\n\xe4\xb8\xad\xe6\x96\x87\r\n";  // "中文" on line 2
  const std::vector<std::string> converted{"QUIBEL", hexOf(block("A1")), hexOf(block("\xd6\xd0\xce\xc4")), "OVER"};
  struct Case {
    LookupEncoding encoding;
    std::deque<bool> answers;
    bool sent;
    std::vector<std::string> texts;
  };
  const Case cases[] = {
      {LookupEncoding::Gb2312, {}, false, {"索引文件第2行是UTF-8文本，不是GB2312，不能下载!"}},
      {LookupEncoding::Utf8, {}, true, {"下载完毕!"}},
      {LookupEncoding::Ask, {true}, true,
       {"索引文件是UTF-8文本(第2行不是GB2312)。\n要转换成GB2312再下载吗?", "下载完毕!"}},
      {LookupEncoding::Ask, {false}, false, {"索引文件是UTF-8文本(第2行不是GB2312)。\n要转换成GB2312再下载吗?"}},
  };
  for (const Case& c : cases) {
    DownloadRig rig;
    rig.ackEverything();
    rig.ui.answers = c.answers;
    ScratchFile f(utf8);
    EXPECT_EQ(downloadLookupFile(rig.ctx, rig.choice, f.path(), c.encoding), c.sent);
    EXPECT_EQ(rig.ui.texts(), c.texts);
    if (c.sent) {
      EXPECT_EQ(rig.writeLabels(), converted);
    } else {
      EXPECT_TRUE(rig.port.events.empty()) << "the port stays closed";
    }
  }
}

TEST(LookupDownload, ACharacterWithoutAGb2312FormIsRefusedNamingItsLine) {
  DownloadRig rig;
  rig.ackEverything();
  LookupSent sent{99, 99};
  const std::string file = "a\nb\n\xf0\x9f\x98\x80\n";
  EXPECT_FALSE(downloadLookupBytes(rig.ctx, rig.choice, {file.begin(), file.end()}, LookupEncoding::Utf8, &sent));
  EXPECT_EQ(rig.ui.texts(), (std::vector<std::string>{"索引文件第3行有不能转换成GB2312的字符，不能下载!"}));
  EXPECT_TRUE(rig.port.events.empty());
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
