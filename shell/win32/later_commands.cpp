// Placeholders for the commands whose windows are not built yet: they do nothing.
#include "shell/win32/later_commands.h"

namespace k60::shell {

void showPropertySheet(AppState&) {}
void showComSettings(AppState&) {}
void downloadProgram(AppState&, int) {}
void downloadLookupFile(AppState&, int) {}
void collectData(AppState&, int) {}

}  // namespace k60::shell
