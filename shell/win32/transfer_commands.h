// The serial transfer commands of the menu: program download, lookup file download and
// data collection, each over the COM port of the template's settings.
#pragma once

#include "shell/win32/app_state.h"

namespace k60::shell {

// Transport 0 = RS-232 or IrDA, 1 = IR transceiver, 2 = the collection's third transport
// (as 0).
void downloadProgram(AppState& app, int transport);
void downloadLookupFile(AppState& app, int transport);
void collectData(AppState& app, int transport);

// The question after a collection of `records` records (> 0); on Yes the text editor is
// started with the file.
void offerCollectedData(AppState& app, const std::wstring& path, int records);

}  // namespace k60::shell
