// The barcode page BARCODESETTINGDLG: scan mode, read redundancy, time-out, the symbology
// check boxes, and the "参数..." buttons to the symbology dialogs. The rules are the model's.
#include <optional>

#include "editor/barcode_page.h"
#include "editor/symbology_dialogs.h"
#include "editor/win32/pages.h"
#include "resources/editor_ids.h"
#include "ui/win32/combo_box.h"
#include "ui/win32/gb_controls.h"

namespace k60::editor {
namespace {

// A position no list has: the model ignores it.
constexpr std::uint8_t kNoItem = 0xFF;

class BarcodePage : public ui::Dialog {
 public:
  explicit BarcodePage(SheetContext& context) : context_(context) {}

 protected:
  BOOL onInit() override {
    model_.emplace(context_.tmpl.barcode());
    for (const FieldList& list : kBarcodeLists) ui::fillCombo(item(list.id), *list.items, model_->selection(list.id));
    ui::setGbText(hwnd(), IDC_BARCODE_TIMEOUT, model_->timeoutText());
    for (const FlagBox& box : kBarcodeCheckBoxes) setChecked(box.id, model_->checked(box.id));
    return TRUE;
  }

  bool onCommand(int id, int code) override {
    if (!model_) return false;
    if (id >= IDC_BARCODE_CODE39 && id <= IDC_BARCODE_TELEPEN && code == BN_CLICKED) {
      setChecked(id, model_->toggle(id));
    } else if (const SymbologyDialogInfo* dialog = symbologyDialogFor(id); dialog && code == BN_CLICKED) {
      showSymbologyDialog(instance(), hwnd(), context_.tmpl, *dialog);
    } else if ((id == IDC_BARCODE_SCAN_MODE || id == IDC_BARCODE_REDUNDANCY) && code == CBN_SELCHANGE) {
      model_->select(id, ui::comboSelection(item(id), kNoItem));
    } else if (id == IDC_BARCODE_TIMEOUT && code == EN_CHANGE) {
      if (auto correction = model_->timeoutChanged(ui::gbText(hwnd(), id))) ui::setGbText(hwnd(), id, *correction);
    } else {
      return false;
    }
    return true;
  }

  void onApply() override {
    if (model_) model_->apply(context_.tmpl.barcode());
  }

 private:
  SheetContext& context_;
  std::optional<BarcodePageModel> model_;
};

}  // namespace

std::unique_ptr<ui::Dialog> makeBarcodePage(SheetContext& context) { return std::make_unique<BarcodePage>(context); }

}  // namespace k60::editor
