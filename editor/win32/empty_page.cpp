// A page whose controls are not there yet: it shows its caption and applies nothing.
#include "editor/win32/pages.h"

namespace k60::editor {

std::unique_ptr<ui::Dialog> makeEmptyPage(SheetContext&) { return std::make_unique<ui::Dialog>(); }

}  // namespace k60::editor
