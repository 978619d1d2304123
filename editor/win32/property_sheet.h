// The template editor: the modal property sheet "应用程序模板" with its six pages.
#pragma once

#include "editor/win32/sheet_context.h"

namespace k60::editor {

// Shows the sheet on the form page and returns when it is closed. OK applies every page
// that was shown; Cancel applies nothing. Returns false only when it could not be shown.
bool showPropertySheet(SheetContext& context);

}  // namespace k60::editor
