// The serial transfer commands of the menu: program download, lookup file download and
// data collection, each over the COM port of the template's settings.
#pragma once

#include "link/link_context.h"
#include "shell/win32/app_state.h"

namespace k60::shell {

// Over the cable (RS-232 or IrDA), the IR transceiver, or the collection's third transport
// (as the cable).
void downloadProgram(AppState& app, link::Transport transport);
void downloadLookupFile(AppState& app, link::Transport transport);
void collectData(AppState& app, link::Transport transport);

// The question after a collection of `records` records (> 0); on Yes the text editor is
// started with the file.
void offerCollectedData(AppState& app, const std::wstring& path, int records);

}  // namespace k60::shell
