// File reads and crash-safe replacement on Windows: write-through temporary file, flush,
// then move it over the target.
#include <windows.h>

#include "template/file_io.h"
#include "template/win32/utf16_text.h"

namespace k60 {
namespace {

bool writeThrough(const wchar_t* temp, std::span<const std::uint8_t> bytes) {
  HANDLE h = CreateFileW(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size() && FlushFileBuffers(h);
  return CloseHandle(h) && ok;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> readFilePrefix(const std::string& path, std::size_t maxBytes) {
  HANDLE h = CreateFileW(utf8ToUtf16(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return std::nullopt;
  std::vector<std::uint8_t> out(maxBytes);
  std::size_t got = 0;
  bool ok = true;
  while (got < maxBytes) {
    DWORD n = 0;
    if (!ReadFile(h, out.data() + got, static_cast<DWORD>(maxBytes - got), &n, nullptr)) ok = false;
    if (!ok || n == 0) break;
    got += n;
  }
  CloseHandle(h);
  if (!ok) return std::nullopt;
  out.resize(got);
  return out;
}

bool isReadOnlyFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(utf8ToUtf16(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
         (attributes & FILE_ATTRIBUTE_READONLY);
}

// Links are rare on Windows and need privileges to make; the path is taken as it is.
std::string replacementTarget(const std::string& path) { return path; }

bool replaceFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  if (isReadOnlyFile(path)) return false;
  // GetTempFileName creates an empty file with a unique short name in the directory. It
  // needs room for that name within MAX_PATH; a directory too deep for it still takes the
  // file, written in place as a plain save would.
  const std::wstring dir = utf8ToUtf16(directoryOf(path));
  if (dir.size() > MAX_PATH - 14) return writeThrough(utf8ToUtf16(path).c_str(), bytes);
  wchar_t temp[MAX_PATH];
  if (GetTempFileNameW(dir.c_str(), L"k60", 0, temp) == 0) return false;
  const bool ok = writeThrough(temp, bytes) &&
                  MoveFileExW(temp, utf8ToUtf16(path).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) DeleteFileW(temp);
  return ok;
}

}  // namespace k60
