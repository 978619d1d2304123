// Template file behaviour that needs POSIX process control: a write that fails half way
// through (file size limit in a child process) and a path longer than the file name holds.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "template/atx_file.h"
#include "template/file_io.h"
#include "tests/support/test_support.h"

namespace k60 {
namespace {

enum ChildExit { kWriteSucceeded = 10, kWriteFailed = 11, kSetupFailed = 12 };

// Runs writeTemplateFile(path, t) in a child whose files may not grow past `limitBytes`,
// and returns how it ended.
int writeWithFileSizeLimit(const std::string& path, const Template& t, rlim_t limitBytes) {
  const pid_t pid = fork();
  if (pid == 0) {
    const rlimit limit{limitBytes, limitBytes};
    if (signal(SIGXFSZ, SIG_IGN) == SIG_ERR || setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(kSetupFailed);
    _exit(writeTemplateFile(path, t) ? kWriteSucceeded : kWriteFailed);
  }
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

class AtxWriteFailure : public ::testing::Test {
 protected:
  void SetUp() override {
    Template old = test::defaultTemplate();
    old.setPassword("2468");
    oldFile = encodeTemplateFile(old);
    test::writeWholeFile(path, oldFile);
  }

  test::ScratchDir dir;
  std::string path = dir.file("plan.ATX");
  std::vector<std::uint8_t> oldFile;
};

TEST_F(AtxWriteFailure, FailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
  const Template t = test::defaultTemplate();
  EXPECT_EQ(writeWithFileSizeLimit(path, t, 4096), kWriteFailed);
  EXPECT_TRUE(test::sameBytes(test::readWholeFile(path), oldFile));
  EXPECT_EQ(test::filesIn(dir.path()), 1u) << "a temporary file was left behind";
}

TEST_F(AtxWriteFailure, SameChildWithRoomEnoughReplacesTheFile) {
  const Template t = test::defaultTemplate();
  EXPECT_EQ(writeWithFileSizeLimit(path, t, 65536), kWriteSucceeded);
  EXPECT_TRUE(test::sameBytes(test::readWholeFile(path), encodeTemplateFile(t)));
  EXPECT_EQ(test::filesIn(dir.path()), 1u) << "a temporary file was left behind";
}

TEST(AtxLongPath, OpenReadsTheFileButKeepsNoNameLongerThan255Bytes) {
  test::ScratchDir dir;
  const auto deep = dir.path() / std::string(120, 'd') / std::string(120, 'e');
  std::filesystem::create_directories(deep);
  const std::string path = (deep / "plan.ATX").string();
  ASSERT_GT(path.size(), Template::kMaxFileNameBytes);
  Template written = test::defaultTemplate();
  written.setPassword("1357");
  ASSERT_TRUE(writeTemplateFile(path, written));

  Template t = test::defaultTemplate();
  t.setFileName("previous.ATX");
  EXPECT_EQ(openTemplate(t, path), ReadStatus::Ok);
  EXPECT_EQ(t.password(), "1357");
  EXPECT_FALSE(t.hasFileName());
}

// A 255-byte name relative to the working directory fits the current file name, and the
// directory accepts it; the temporary file must not make it unwritable.
TEST(AtxLongPath, WriteWorksForALongestNameThatTheCurrentFileNameHolds) {
  test::ScratchDir dir;
  const long nameMax = pathconf(dir.path().c_str(), _PC_NAME_MAX);
  ASSERT_GE(nameMax, 255);
  const std::string name = std::string(Template::kMaxFileNameBytes - 4, 'p') + ".ATX";
  ASSERT_EQ(saveAsFileName(name), name);
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  test::writeWholeFile(name, test::asBytes("old"));
  const bool written = writeTemplateFile(name, test::defaultTemplate());
  const auto size = test::readWholeFile(name).size();
  std::filesystem::current_path(previous);
  EXPECT_TRUE(written);
  EXPECT_EQ(size, 10596u);
}

}  // namespace
}  // namespace k60
