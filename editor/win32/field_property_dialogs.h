// The form page's line property dialogs AdvanceDlg and LookupAdvanceDlg ("属性").
#pragma once

#include <windows.h>

#include <cstddef>

#include "editor/field_properties.h"

namespace k60::editor {

// Opens `layout`'s dialog modally on line `line` (0..7) of form `formIndex` (0..9), which
// is the page's working copy `form`: the dialog edits it in place, and Cancel puts back
// what it held when the dialog opened. Returns 1 for OK, 0 for Cancel.
INT_PTR showFieldProperties(HINSTANCE instance, HWND owner, FormRecord form, std::size_t formIndex,
                            std::size_t line, const PropertyLayout& layout);

}  // namespace k60::editor
