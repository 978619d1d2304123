// The collected data file on Windows: a temporary file beside the target, written, flushed,
// then moved over the target with MoveFileExW.
#include <windows.h>

#include "link/collected_file.h"
#include "template/file_io.h"
#include "template/win32/utf16_text.h"

namespace k60::link {
namespace {

HANDLE handleOf(std::intptr_t h) { return reinterpret_cast<HANDLE>(h); }

// A file already at `path` must open for writing, not shared, as creating it anew would:
// this refuses a read-only file, a directory and a file another program holds open.
bool targetWritable(const std::wstring& path) {
  HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h != INVALID_HANDLE_VALUE) return CloseHandle(h) != 0;
  return GetLastError() == ERROR_FILE_NOT_FOUND;
}

}  // namespace

bool CollectedFile::create() {
  discard();
  if (!targetWritable(utf8ToUtf16(path_))) return false;
  // GetTempFileName creates an empty file with a unique short name in the directory.
  wchar_t temp[MAX_PATH];
  if (GetTempFileNameW(utf8ToUtf16(directoryOf(path_)).c_str(), L"k60", 0, temp) == 0) return false;
  HANDLE h = CreateFileW(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    DeleteFileW(temp);
    return false;
  }
  handle_ = reinterpret_cast<std::intptr_t>(h);
  temp_ = utf16ToUtf8(temp);
  writeFailed_ = false;
  return true;
}

bool CollectedFile::append(std::span<const std::uint8_t> bytes) {
  if (handleOf(handle_) == INVALID_HANDLE_VALUE || writeFailed_) return false;
  DWORD written = 0;
  if (!WriteFile(handleOf(handle_), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      written != bytes.size()) {
    writeFailed_ = true;
    return false;
  }
  return true;
}

bool CollectedFile::commit() {
  HANDLE h = handleOf(handle_);
  if (h == INVALID_HANDLE_VALUE) return false;
  handle_ = -1;
  bool ok = !writeFailed_ && FlushFileBuffers(h);
  ok = CloseHandle(h) && ok;
  const std::wstring temp = utf8ToUtf16(temp_);
  ok = ok && MoveFileExW(temp.c_str(), utf8ToUtf16(path_).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) DeleteFileW(temp.c_str());
  temp_.clear();
  return ok;
}

void CollectedFile::discard() {
  if (handleOf(handle_) != INVALID_HANDLE_VALUE) CloseHandle(handleOf(handle_));
  handle_ = -1;
  if (!temp_.empty()) DeleteFileW(utf8ToUtf16(temp_).c_str());
  temp_.clear();
}

}  // namespace k60::link
