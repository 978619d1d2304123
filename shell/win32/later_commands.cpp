// The COM settings command, and a placeholder for the property sheet, not built yet.
#include "shell/win32/later_commands.h"

#include "shell/win32/com_settings_dialog.h"

namespace k60::shell {

void showPropertySheet(AppState&) {}

void showComSettings(AppState& app) { showComSettingsDialog(app.instance, app.mainWindow, app.tmpl); }

}  // namespace k60::shell
