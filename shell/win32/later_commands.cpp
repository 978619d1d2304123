// Edit (the property sheet) and the COM settings command.
#include "shell/win32/later_commands.h"

#include "editor/win32/property_sheet.h"
#include "shell/win32/com_settings_dialog.h"
#include "shell/win32/file_commands.h"
#include "simulator/simulator.h"
#include "simulator/win32/face_window.h"

namespace k60::shell {

void showPropertySheet(AppState& app) {
  editor::SheetContext context{app.instance, app.mainWindow, app.tmpl, [&app] { restartSimulator(app); },
                               [&app](int lines) {
                                 if (sim::Simulator* simulator = sim::faceSimulator(app.faceWindow))
                                   simulator->setUtilityLineCount(lines);
                               }};
  editor::showPropertySheet(context);
}

void showComSettings(AppState& app) { showComSettingsDialog(app.instance, app.mainWindow, app.tmpl); }

}  // namespace k60::shell
