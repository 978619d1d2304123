// Help: the program's own help pages, opened in the system's viewer.
#pragma once

#include "shell/win32/app_state.h"

namespace k60::shell {

void showHelpContents(AppState& app);  // command 9010
void showHelpFinder(AppState& app);    // command 9020

}  // namespace k60::shell
