// The pages of the property sheet, one maker per page. A page object takes its working copy
// when its window is first created and writes it back on OK.
#pragma once

#include <memory>

#include "editor/win32/sheet_context.h"
#include "ui/win32/dialog.h"

namespace k60::editor {

struct PromptDialog;
struct SymbologyDialogInfo;

std::unique_ptr<ui::Dialog> makeBarcodePage(SheetContext& context);
std::unique_ptr<ui::Dialog> makeFormPage(SheetContext& context);
std::unique_ptr<ui::Dialog> makeMenuPage(SheetContext& context);
std::unique_ptr<ui::Dialog> makeLookupPage(SheetContext& context);
std::unique_ptr<ui::Dialog> makeSettingsPage(SheetContext& context);
std::unique_ptr<ui::Dialog> makeStartupPage(SheetContext& context);

// The keyboard wedge dialog, opened by the settings page: its OK writes the template at
// once. Returns 1 for OK, 0 for Cancel.
INT_PTR showKeyboardWedgeDialog(HINSTANCE instance, HWND owner, Template& t);

// The prompt-page dialog of one row, opened by the start-up page: its OK writes the page's
// lines at once. Returns 1 for OK, 0 for Cancel.
INT_PTR showPromptPageDialog(HINSTANCE instance, HWND owner, Template& t, const PromptDialog& dialog);

// A symbology dialog, opened by the barcode page: its OK writes the template at once.
// Returns 1 for OK, 0 for Cancel.
INT_PTR showSymbologyDialog(HINSTANCE instance, HWND owner, Template& t, const SymbologyDialogInfo& info);

}  // namespace k60::editor
