// The prompt-page dialogs: one table row per dialog, and what every dialog does with its
// page's lines when it opens, while a line is typed and on its OK (it writes the store at
// once; the sheet's OK or Cancel has no say).
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "editor/text_box.h"
#include "template/prompt_pages.h"
#include "template/store.h"

namespace k60::editor {

struct PromptDialog {
  int button;                 // on the start-up page
  std::string_view resource;  // the dialog template: title and a fixed label per line
  PromptPageId page;
  std::size_t shown;          // edit boxes 601.. for lines 1.. of the page
  std::size_t stored;         // lines 1.. written on OK
  bool fixedEnds;             // welcome: lines 1 and the last are set on opening, not editable
};

extern const std::array<PromptDialog, kPromptPageCount> kPromptDialogs;

// The row of button `id`, or null.
const PromptDialog* promptDialogOf(int button);

// The edit box of line `line` (from 0).
int promptLineBox(std::size_t line);
bool promptLineEditable(const PromptDialog& dialog, std::size_t line);

// Opening: the welcome dialog first sets its fixed lines in the store; then the texts of
// the edit boxes, from line 1.
std::vector<std::string> openPromptDialog(Template& t, const PromptDialog& dialog);
// A line box's text changed: cut to the page's line limit, never through a Chinese character.
TextAnswer promptLineChanged(const PromptDialog& dialog, std::string_view gb);
// OK: the boxes' texts (from line 1) into the page's slots.
void storePromptDialog(Template& t, const PromptDialog& dialog, const std::vector<std::string>& lines);

}  // namespace k60::editor
