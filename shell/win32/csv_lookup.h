// Lookup file download of a CSV file: the lookup file built from it by the layout of the
// lookup the user picks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "shell/win32/app_state.h"

namespace k60::shell {

// Whether the chosen file is a CSV file (by its extension, in any case).
bool isCsvFile(const std::wstring& path);

// Asks which lookup's layout to use (CsvLookupDlg), reads the file and builds the lookup
// file (GB2312, CR LF lines). Nothing when the user cancelled, the file could not be read
// ("不能打开文件!") or it was refused (the problems shown, naming row and column).
std::optional<std::vector<std::uint8_t>> lookupFileFromCsv(AppState& app, const std::wstring& path);

}  // namespace k60::shell
