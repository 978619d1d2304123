// New, Open, Save, Save As and closing, guarded by the save-changes question.
#pragma once

#include "shell/win32/app_state.h"

namespace k60::shell {

// The save-changes question, asked only when the template has changed. True when the
// command may go on: No, or Yes with a Save that wrote the file. Cancel, and a Yes whose
// Save failed or whose Save As dialog was cancelled, stop the command.
bool saveChangesIfWanted(AppState& app);

// Each returns true when it did what it was asked (the file was read or written).
bool newTemplate(AppState& app);
bool openTemplateFile(AppState& app);
bool saveTemplate(AppState& app);
bool saveTemplateAs(AppState& app);

// WM_CLOSE: after the question, destroys the main window unless the user cancelled.
void closeMainWindow(AppState& app);

}  // namespace k60::shell
