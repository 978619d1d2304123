// Edit (the property sheet) and the COM settings command.
#include "shell/win32/later_commands.h"

#include "editor/win32/property_sheet.h"
#include "shell/win32/com_settings_dialog.h"
#include "shell/win32/file_commands.h"

namespace k60::shell {

void showPropertySheet(AppState& app) {
  editor::SheetContext context{app.instance, app.mainWindow, app.tmpl, [&app] { restartSimulator(app); }};
  editor::showPropertySheet(context);
}

void showComSettings(AppState& app) { showComSettingsDialog(app.instance, app.mainWindow, app.tmpl); }

}  // namespace k60::shell
