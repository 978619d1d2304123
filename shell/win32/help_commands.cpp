// Help (not built yet).
#include "shell/win32/help_commands.h"

namespace k60::shell {

void showHelpContents(AppState&) {}
void showHelpFinder(AppState&) {}

}  // namespace k60::shell
