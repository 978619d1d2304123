// Saving on Windows where the temporary file cannot be made: a directory so deep that no
// temporary name fits beside the target within MAX_PATH.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "template/file_io.h"
#include "template/win32/utf16_text.h"

namespace k60 {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> contentsOf(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ReplaceFileWin32, DirectoryTooDeepForATemporaryNameIsStillWritten) {
  wchar_t tempDir[MAX_PATH];
  ASSERT_GT(GetTempPathW(MAX_PATH, tempDir), 0u);
  const fs::path base = fs::path(tempDir) / (L"k60deep" + std::to_wstring(GetCurrentProcessId()));
  // 250 characters of directory: GetTempFileName wants at most MAX_PATH - 14.
  const std::size_t room = 250 - base.wstring().size() - 1;
  ASSERT_LT(room, 255u);
  const fs::path dir = base / std::wstring(room, L'd');
  fs::create_directories(dir);
  const fs::path target = dir / L"a.ATX";
  ASSERT_LT(target.wstring().size(), static_cast<std::size_t>(MAX_PATH));
  { std::ofstream(target) << "older and longer"; }

  const std::vector<std::uint8_t> bytes = {'K', 'x', 'x', 0, 0xFF, '\r', '\n'};
  EXPECT_TRUE(replaceFile(utf16ToUtf8(target.c_str()), bytes));
  EXPECT_EQ(contentsOf(target), bytes);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
  fs::remove_all(base);
}

}  // namespace
}  // namespace k60
