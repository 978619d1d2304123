// GetOpenFileNameW and GetSaveFileNameW set up for the lookup file and the collected data.
#include "shell/win32/transfer_dialogs.h"

#include <commdlg.h>

namespace k60::shell {
namespace {

// Room for any path: a buffer too small makes the dialog fail as if cancelled.
constexpr std::size_t kPathBufferChars = 32768;

OPENFILENAMEW textFileDialog(HWND owner, const wchar_t* filter, std::wstring& buffer) {
  OPENFILENAMEW ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter;
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrDefExt = L"TXT";
  return ofn;
}

}  // namespace

std::optional<std::wstring> chooseLookupFile(HWND owner, std::wstring& name) {
  static constexpr wchar_t kFilter[] = L"索引文本文件 {*.TXT}\0*.TXT\0All files {*.*}\0*.*\0";
  std::wstring buffer = name;
  buffer.resize(kPathBufferChars, L'\0');
  OPENFILENAMEW ofn = textFileDialog(owner, kFilter, buffer);
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameW(&ofn)) return std::nullopt;
  name = buffer.c_str();
  return name;
}

std::optional<std::wstring> chooseCollectedDataFile(HWND owner) {
  static constexpr wchar_t kFilter[] = L"文本文件 {*.TXT}\0*.TXT\0All files {*.*}\0*.*\0";
  std::wstring buffer(kPathBufferChars, L'\0');
  OPENFILENAMEW ofn = textFileDialog(owner, kFilter, buffer);
  ofn.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
  if (!GetSaveFileNameW(&ofn)) return std::nullopt;
  return std::wstring(buffer.c_str());
}

}  // namespace k60::shell
