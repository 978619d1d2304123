// The thirteen symbology dialogs, one procedure for all: the dialog's table says what its
// check boxes, radio groups and length boxes show, and OK writes them into the template at
// once (the sheet's Cancel does not undo them).
#include <optional>
#include <string>

#include "editor/symbology_dialogs.h"
#include "editor/win32/pages.h"
#include "resources/editor_ids.h"
#include "template/win32/utf16_text.h"
#include "ui/win32/gb_controls.h"

namespace k60::editor {
namespace {

class SymbologyDialog : public ui::Dialog {
 public:
  SymbologyDialog(Template& t, const SymbologyDialogInfo& info) : t_(t), info_(info) {}

 protected:
  BOOL onInit() override {
    model_.emplace(info_, t_.barcode());
    showButtons();
    if (model_->hasLengths()) {
      // Filling the boxes sends their changes through the model's rules, as typing does.
      ui::setGbText(hwnd(), IDC_LENGTH_FIRST, model_->firstLengthText());
      ui::setGbText(hwnd(), IDC_LENGTH_SECOND, model_->secondLengthText());
    }
    return TRUE;
  }

  bool onCommand(int id, int code) override {
    if (!model_) return false;
    if (code == BN_CLICKED && model_->click(id)) {
      showButtons();
    } else if ((id == IDC_LENGTH_FIRST || id == IDC_LENGTH_SECOND) && code == EN_CHANGE && model_->hasLengths()) {
      const std::string text = ui::gbText(hwnd(), id);
      const auto correction = id == IDC_LENGTH_FIRST ? model_->firstLengthChanged(text) : model_->secondLengthChanged(text);
      if (correction) ui::setGbText(hwnd(), id, *correction);
    } else {
      return false;
    }
    return true;
  }

  void onOk() override { model_->ok(t_.barcode()); }

 private:
  // The marks of every button, and the length labels of the length mode.
  void showButtons() {
    for (int id : model_->buttons()) setChecked(id, model_->checked(id));
    if (!model_->hasLengths()) return;
    const auto [first, second] = lengthLabels(model_->range());
    SetDlgItemTextW(hwnd(), IDC_LENGTH_FIRST_LABEL, utf8ToUtf16(std::string(first)).c_str());
    SetDlgItemTextW(hwnd(), IDC_LENGTH_SECOND_LABEL, utf8ToUtf16(std::string(second)).c_str());
  }

  Template& t_;
  const SymbologyDialogInfo& info_;
  std::optional<SymbologyDialogModel> model_;
};

}  // namespace

INT_PTR showSymbologyDialog(HINSTANCE instance, HWND owner, Template& t, const SymbologyDialogInfo& info) {
  return SymbologyDialog(t, info).runModal(instance, info.resource, owner);
}

}  // namespace k60::editor
