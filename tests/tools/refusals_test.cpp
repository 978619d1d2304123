// k60tool refuses what it cannot do instead of reporting success: output that cannot be
// written, targets marked read-only, impossible start times; and a backslash in a POSIX
// file name is part of the name.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <streambuf>

#include "tests/tools/tool_test_fixture.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Standard output on a full disk: every write fails.
class FullBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
  std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

class RefusalTest : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    ASSERT_EQ(run({"new", "--example", "-o", path("ex.ATX")}), 0) << err_.str();
  }
};

TEST_F(RefusalTest, OutputThatCannotBeWrittenFailsTheCommand) {
  const std::vector<std::vector<std::string>> commands = {
      {"show", path("ex.ATX")},
      {"show", path("ex.ATX"), "--json"},
      {"simulate", path("ex.ATX"), "--keys", "1", "--json", "--time", "2026-12-07T08:30"},
      {"simulate", path("ex.ATX"), "--keys", "1", "--time", "2026-12-07T08:30"},
  };
  for (const auto& args : commands) {
    FullBuffer full;
    std::ostream out(&full);
    err_.str("");
    EXPECT_EQ(k60::tool::run(args, out, err_), 1) << args[0];
    EXPECT_NE(err_.str().find("写入文件失败!"), std::string::npos) << err_.str();
  }
}

// Mode 0444 is read-only even for root, who could open the file for writing anyway.
TEST_F(RefusalTest, ReadOnlyTargetsAreLeftAsTheyWere) {
  const std::vector<std::vector<std::string>> commands = {
      {"new", "-o", path("ro")},
      {"convert", path("ex.ATX"), "-o", path("ro")},
      {"image", path("ex.ATX"), "-o", path("ro")},
      {"collect", "--port", path("no-such-port"), "-o", path("ro")},
  };
  for (const auto& args : commands) {
    writeAll(path("ro"), Bytes{'o', 'l', 'd'});
    ASSERT_EQ(::chmod(path("ro").c_str(), 0444), 0);
    EXPECT_EQ(run(args), 1) << args[0];
    EXPECT_EQ(readAll(path("ro")), (Bytes{'o', 'l', 'd'})) << args[0];
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 2) << "no temporary file is left";
    ::chmod(path("ro").c_str(), 0644);
  }
}

// On POSIX a backslash is an ordinary character of a name; on Windows it separates
// directories, as everywhere else there.
#ifndef _WIN32
TEST_F(RefusalTest, BackslashIsPartOfAFileName) {
  ASSERT_EQ(run({"convert", path("ex.ATX"), "-o", path("a\\b.ATX")}), 0) << err_.str();
  EXPECT_EQ(readAll(path("a\\b.ATX")), readAll(path("ex.ATX")));
}
#endif

TEST_F(RefusalTest, StartTimesWithSignsAreRefused) {
  for (const char* time : {"2026-01-01T-1:00", "2026-01-01T00:-5", "-026-01-01T00:00", "2026--1-01T00:00",
                           "2026-01-+1T00:00"}) {
    EXPECT_EQ(run({"simulate", path("ex.ATX"), "--keys", "1", "--time", time}), 2) << time;
    EXPECT_NE(err_.str().find("--time"), std::string::npos) << time;
  }
  EXPECT_EQ(run({"simulate", path("ex.ATX"), "--keys", "1", "--time", "2026-01-01T00:00"}), 0);
}

}  // namespace
