// The prompt-page dialogs: one procedure for all 18, each made from its own dialog template
// (title and line labels) and its row of the table. OK writes the page's lines into the
// template at once; Cancel stores nothing.
#include <string>
#include <vector>

#include "editor/prompt_pages.h"
#include "editor/win32/pages.h"
#include "template/win32/utf16_text.h"
#include "ui/win32/gb_controls.h"

namespace k60::editor {
namespace {

class PromptPageDialog : public ui::Dialog {
 public:
  PromptPageDialog(Template& t, const PromptDialog& row) : t_(t), row_(row) {}

 protected:
  // The texts go in through the line rule, so a damaged over-long line shows cut.
  BOOL onInit() override {
    const std::vector<std::string> lines = openPromptDialog(t_, row_);
    for (std::size_t line = 0; line < lines.size(); ++line) {
      ui::setGbText(hwnd(), promptLineBox(line), lines[line]);
      EnableWindow(item(promptLineBox(line)), promptLineEditable(row_, line));
    }
    return TRUE;
  }

  bool onCommand(int id, int code) override {
    if (code != EN_CHANGE || id < promptLineBox(0) || id >= promptLineBox(row_.shown)) return false;
    const TextAnswer answer = promptLineChanged(row_, ui::gbText(hwnd(), id));
    if (answer.show) ui::setGbText(hwnd(), id, *answer.show);
    return true;
  }

  void onOk() override {
    std::vector<std::string> lines;
    for (std::size_t line = 0; line < row_.shown; ++line) lines.push_back(ui::gbText(hwnd(), promptLineBox(line)));
    storePromptDialog(t_, row_, lines);
  }

 private:
  Template& t_;
  const PromptDialog& row_;
};

}  // namespace

INT_PTR showPromptPageDialog(HINSTANCE instance, HWND owner, Template& t, const PromptDialog& row) {
  const std::wstring resource = utf8ToUtf16(std::string(row.resource));
  return PromptPageDialog(t, row).runModal(instance, resource.c_str(), owner);
}

}  // namespace k60::editor
