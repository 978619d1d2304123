// GetOpenFileNameW and GetSaveFileNameW set up for the lookup file and the collected data.
#include "shell/win32/transfer_dialogs.h"

#include "shell/win32/file_dialogs.h"

namespace k60::shell {
namespace {

OPENFILENAMEW textFileDialog(HWND owner, const wchar_t* filter, std::wstring& buffer) {
  OPENFILENAMEW ofn = fileDialogSetup(owner, filter, buffer);
  ofn.lpstrDefExt = L"TXT";
  return ofn;
}

}  // namespace

std::optional<std::wstring> chooseLookupFile(HWND owner, std::wstring& name) {
  const std::wstring filter = filterList({text::kLookupFileFilter, text::kCsvFileFilter, text::kAllFilesFilter});
  std::wstring buffer = name;
  buffer.resize(kPathBufferChars, L'\0');
  OPENFILENAMEW ofn = textFileDialog(owner, filter.c_str(), buffer);
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameW(&ofn)) return std::nullopt;
  name = buffer.c_str();
  return name;
}

std::optional<std::wstring> chooseCollectedDataFile(HWND owner) {
  const std::wstring filter = filterList({text::kCollectedDataFilter, text::kAllFilesFilter});
  std::wstring buffer(kPathBufferChars, L'\0');
  OPENFILENAMEW ofn = textFileDialog(owner, filter.c_str(), buffer);
  ofn.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
  if (!GetSaveFileNameW(&ofn)) return std::nullopt;
  return std::wstring(buffer.c_str());
}

}  // namespace k60::shell
