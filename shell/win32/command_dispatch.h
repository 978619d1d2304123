// WM_COMMAND ids of the main window, each run by a function of its own.
#pragma once

#include "shell/win32/app_state.h"

namespace k60::shell {

// Runs the command; false (and nothing happens) for an id the program does not know.
bool dispatchCommand(AppState& app, int id);

bool isKnownCommand(int id);

}  // namespace k60::shell
