// Commands whose windows belong to other parts of the program: the property sheet, the COM
// settings dialog and the serial transfers. Each is one function that the dispatcher and the
// file commands call.
#pragma once

#include "shell/win32/app_state.h"

namespace k60::shell {

// The modal property sheet on the template.
void showPropertySheet(AppState& app);

// The modal COM settings dialog.
void showComSettings(AppState& app);

// Serial transfers; transport 0 = RS-232 or IrDA, 1 = IR transceiver, 2 = the collection's
// third transport.
void downloadProgram(AppState& app, int transport);
void downloadLookupFile(AppState& app, int transport);
void collectData(AppState& app, int transport);

}  // namespace k60::shell
