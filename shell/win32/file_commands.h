// New, Open, Save, Save As and closing, guarded by the save-changes question.
#pragma once

#include <string_view>

#include "shell/win32/app_state.h"

namespace k60::shell {

// Save As refuses a name longer than the current file name's 255 bytes with this message
// (caption "错误").
inline constexpr std::string_view kFileNameTooLongMessage = "文件名太长 !!!";

// The save-changes question, asked only when the template has changed. True when the
// command may go on: No, or Yes with a Save that wrote the file. Cancel, and a Yes whose
// Save failed or whose Save As dialog was cancelled, stop the command.
bool saveChangesIfWanted(AppState& app);

// Each returns true when it did what it was asked: New made a fresh template, Open read a
// file, Save and Save As wrote one. A successful Save or Save As clears the changed flag;
// Open leaves the flag alone. After New and a successful Open the simulator starts afresh
// and the property sheet is shown.
bool newTemplate(AppState& app);
bool openTemplateFile(AppState& app);
bool saveTemplate(AppState& app);
bool saveTemplateAs(AppState& app);

// The simulated terminal starts again on its main page with the template as it is now.
void restartSimulator(AppState& app);

// WM_CLOSE: after the question, destroys the main window unless the user cancelled.
void closeMainWindow(AppState& app);

}  // namespace k60::shell
