// Tests of the collected data file: nothing reaches the chosen path before the commit, and a
// path that could not be replaced is refused before anything is collected. (Discarding and a
// failed commit are exercised through the collection's tests.)
#include "link/collected_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/test_support.h"

namespace k60::link {
namespace {

using k60::test::filesIn;
using k60::test::readWholeFile;
using k60::test::ScratchDir;
using k60::test::writeWholeFile;
namespace fs = std::filesystem;

std::vector<std::uint8_t> bytes(std::string_view s) { return {s.begin(), s.end()}; }

TEST(CollectedFile, AppendsBesideTheTargetAndReplacesItOnlyOnCommit) {
  ScratchDir dir;
  const std::string target = dir.file("OUT.TXT");
  writeWholeFile(target, bytes("old data\r\n"));

  CollectedFile file(target);
  ASSERT_TRUE(file.create());
  EXPECT_EQ(fs::path(file.temporaryPath()).parent_path(), dir.path());
  EXPECT_TRUE(file.append(bytes("A1\r\n")));
  EXPECT_TRUE(file.append(bytes("B2\r\n")));
#ifndef _WIN32
  // Windows holds the temporary file unshared until the commit, so only POSIX can look in.
  EXPECT_EQ(readWholeFile(file.temporaryPath()), bytes("A1\r\nB2\r\n"));
#endif
  EXPECT_EQ(readWholeFile(target), bytes("old data\r\n"));

  ASSERT_TRUE(file.commit());
  EXPECT_EQ(readWholeFile(target), bytes("A1\r\nB2\r\n"));
  EXPECT_EQ(filesIn(dir.path()), 1u);
  EXPECT_TRUE(file.temporaryPath().empty());
  EXPECT_FALSE(file.commit());
}

TEST(CollectedFile, CreateFailsWhereNoFileCanBeWritten) {
  ScratchDir dir;
  CollectedFile missingDirectory((dir.path() / "missing" / "OUT.TXT").string());
  EXPECT_FALSE(missingDirectory.create());

  // A directory at the chosen path cannot be replaced by the collected data.
  fs::create_directory(dir.path() / "folder");
  CollectedFile onDirectory(dir.file("folder"));
  EXPECT_FALSE(onDirectory.create());
  EXPECT_EQ(filesIn(dir.path()), 1u);
}

#ifndef _WIN32
TEST(CollectedFile, CommitThroughASymbolicLinkKeepsTheLinkAndRefusesDevices) {
  ScratchDir dir;
  const std::string real = dir.file("REAL.TXT");
  writeWholeFile(real, bytes("old\r\n"));
  fs::create_symlink(real, dir.path() / "LINK.TXT");
  CollectedFile viaLink(dir.file("LINK.TXT"));
  ASSERT_TRUE(viaLink.create());
  EXPECT_TRUE(viaLink.append(bytes("A1\r\n")));
  ASSERT_TRUE(viaLink.commit());
  EXPECT_TRUE(fs::is_symlink(dir.path() / "LINK.TXT"));
  EXPECT_EQ(readWholeFile(real), bytes("A1\r\n"));

  // A device cannot be renamed over; the collection is refused before it starts.
  fs::create_symlink("/dev/null", dir.path() / "SINK");
  CollectedFile onDevice(dir.file("SINK"));
  EXPECT_FALSE(onDevice.create());
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
}
#endif

}  // namespace
}  // namespace k60::link
