// New, Open, Save, Save As and closing (not built yet: close only).
#include "shell/win32/file_commands.h"

namespace k60::shell {

bool saveChangesIfWanted(AppState&) { return true; }
bool newTemplate(AppState&) { return false; }
bool openTemplateFile(AppState&) { return false; }
bool saveTemplate(AppState&) { return false; }
bool saveTemplateAs(AppState&) { return false; }
void closeMainWindow(AppState& app) {
  if (saveChangesIfWanted(app)) DestroyWindow(app.mainWindow);
}

}  // namespace k60::shell
