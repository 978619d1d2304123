// Replacing a file on POSIX: links stay links, devices are written rather than renamed over,
// and the replaced file keeps its mode.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "template/file_io.h"
#include "tests/support/test_support.h"

namespace k60 {
namespace {

namespace fs = std::filesystem;
using test::ScratchDir;

const std::vector<std::uint8_t> kData = {'n', 'e', 'w', '\r', '\n'};
const std::vector<std::uint8_t> kOld = {'o', 'l', 'd'};

TEST(ReplaceFile, WritesThroughASymbolicLinkAndKeepsIt) {
  ScratchDir dir;
  const std::string real = dir.file("REAL.ATX");
  test::writeWholeFile(real, kOld);
  fs::create_symlink(real, dir.path() / "LINK.ATX");

  ASSERT_TRUE(replaceFile(dir.file("LINK.ATX"), kData));
  EXPECT_TRUE(fs::is_symlink(dir.path() / "LINK.ATX"));
  EXPECT_EQ(test::readWholeFile(real), kData);
  EXPECT_EQ(test::filesIn(dir.path()), 2u);
}

TEST(ReplaceFile, WritesADeviceInPlaceInsteadOfRenamingOverIt) {
  ScratchDir dir;
  fs::create_symlink("/dev/null", dir.path() / "SINK");
  ASSERT_TRUE(replaceFile(dir.file("SINK"), kData));
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  EXPECT_TRUE(fs::is_symlink(dir.path() / "SINK"));
  EXPECT_EQ(test::filesIn(dir.path()), 1u);  // no temporary file left beside the link
}

TEST(ReplaceFile, KeepsTheModeOfTheFileItReplaces) {
  ScratchDir dir;
  const std::string path = dir.file("PRIVATE.ATX");
  test::writeWholeFile(path, kOld);
  ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
  ASSERT_TRUE(replaceFile(path, kData));
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(ReplaceFile, RefusesADirectory) {
  ScratchDir dir;
  fs::create_directory(dir.path() / "FOLDER");
  EXPECT_FALSE(replaceFile(dir.file("FOLDER"), kData));
  EXPECT_TRUE(fs::is_directory(dir.path() / "FOLDER"));
}

}  // namespace
}  // namespace k60
