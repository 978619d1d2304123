// Commands whose windows belong to other parts of the program: the property sheet and the
// COM settings dialog. Each is one function that the dispatcher and the file commands call.
#pragma once

#include "shell/win32/app_state.h"

namespace k60::shell {

// The modal property sheet on the template.
void showPropertySheet(AppState& app);

// The modal COM settings dialog.
void showComSettings(AppState& app);

}  // namespace k60::shell
