// The start-up page STARTUPDLG: start position, data field separator, and the buttons to
// the prompt-page dialogs. The rules are the model's; a box write that the model asks for
// arrives back here as a change of that box.
#include "editor/prompt_pages.h"
#include "editor/startup_page.h"
#include "editor/win32/model_page.h"
#include "editor/win32/pages.h"
#include "resources/editor_ids.h"
#include "template/choice_lists.h"
#include "ui/win32/combo_box.h"
#include "ui/win32/gb_controls.h"

namespace k60::editor {
namespace {

class StartupPage : public ModelPage<StartupPageModel> {
 public:
  using ModelPage::ModelPage;

 protected:
  // Only the value boxes are written: each one's text box follows through the pair rule.
  BOOL onInit() override {
    takeModel();
    ui::fillCombo(item(IDC_START_POSITION), choices::kStartPositions, model_->startPosition());
    ui::fillCombo(item(IDC_SEPARATOR_MODE), choices::kSeparatorModes, static_cast<int>(model_->mode()));
    for (std::size_t i = 0; i < kSeparatorBoxes.size(); ++i)
      ui::setGbText(hwnd(), kSeparatorBoxes[i].valueId, model_->valueText(i));
    enableBoxes();
    return TRUE;
  }

  bool onCommand(int id, int code) override {
    if (!model_) return false;
    if (id == IDC_START_POSITION && code == CBN_SELCHANGE) {
      model_->selectStart(ui::comboSelection(item(id), model_->startPosition()));
    } else if (id == IDC_SEPARATOR_MODE && code == CBN_SELCHANGE) {
      model_->selectMode(ui::comboSelection(item(id), static_cast<std::uint8_t>(model_->mode())));
      enableBoxes();
    } else if (code == EN_CHANGE) {
      return boxChanged(id);
    } else if (const PromptDialog* row = promptDialogOf(id); row && code == BN_CLICKED) {
      showPromptPageDialog(instance(), hwnd(), context_.tmpl, *row);
    } else {
      return false;
    }
    return true;
  }

 private:
  // A separator box's text changed: true when `id` is one of them.
  bool boxChanged(int id) {
    for (std::size_t i = 0; i < kSeparatorBoxes.size(); ++i) {
      const SeparatorBoxes& pair = kSeparatorBoxes[i];
      if (id != pair.valueId && id != pair.textId) continue;
      const std::string text = ui::gbText(hwnd(), id);
      const bool value = id == pair.valueId;
      const PairAnswer answer = value ? model_->valueChanged(i, text) : model_->textChanged(i, text);
      if (answer.self) ui::setGbText(hwnd(), id, *answer.self);
      if (answer.partner) {
        ui::setGbText(hwnd(), value ? pair.textId : pair.valueId, *answer.partner);
        model_->partnerWritten();
      }
      return true;
    }
    return false;
  }

  void enableBoxes() {
    for (std::size_t i = 0; i < kSeparatorBoxes.size(); ++i) {
      EnableWindow(item(kSeparatorBoxes[i].valueId), model_->boxesEnabled(i));
      EnableWindow(item(kSeparatorBoxes[i].textId), model_->boxesEnabled(i));
    }
  }
};

}  // namespace

std::unique_ptr<ui::Dialog> makeStartupPage(SheetContext& context) { return std::make_unique<StartupPage>(context); }

}  // namespace k60::editor
