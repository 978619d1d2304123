// The file dialogs of the transfers: the lookup file to send, the file for collected data.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace k60::shell {

// Open dialog for a lookup file ("索引文本文件 {*.TXT}", then "CSV文件 {*.CSV}" and all
// files; default extension TXT). Starts with `name` and keeps the choice in it for the next time. The chosen path,
// or nothing when the user cancelled.
std::optional<std::wstring> chooseLookupFile(HWND owner, std::wstring& name);

// Save dialog for the collected data ("文本文件 {*.TXT}", then all files; default extension
// TXT; asks before replacing a file). Starts with an empty name.
std::optional<std::wstring> chooseCollectedDataFile(HWND owner);

}  // namespace k60::shell
