// The line property dialogs: their controls show the model's line, the check boxes enable
// the boxes they own, and Cancel (also Esc and the close box) restores the backup the model
// took on opening.
#include "editor/win32/field_property_dialogs.h"

#include "editor/control_table.h"
#include "editor/number_labels.h"
#include "resources/editor_ids.h"
#include "ui/win32/combo_box.h"
#include "ui/win32/dialog.h"
#include "ui/win32/gb_controls.h"

namespace k60::editor {
namespace {

class FieldPropertyDialog : public ui::Dialog {
 public:
  FieldPropertyDialog(FieldProperties& model, std::size_t formIndex) : model_(model), formIndex_(formIndex) {}

 protected:
  BOOL onInit() override {
    ui::setGbText(hwnd(), IDC_FIELD_FORM_NUMBER, kNumberLabels[formIndex_]);
    ui::setGbText(hwnd(), IDC_FIELD_LINE_NUMBER, kNumberLabels[model_.line()]);
    const PropertyLayout& layout = model_.layout();
    for (const PropertyCheck& c : layout.checks) setChecked(c.id, model_.checked(c.id));
    for (const PropertyList& l : layout.lists) ui::fillCombo(item(l.id), *l.items, model_.selection(l.id));
    for (const PropertyNumber& n : layout.numbers) ui::setGbText(hwnd(), n.id, model_.text(n.id));
    for (const PropertyText& t : layout.texts) ui::setGbText(hwnd(), t.id, model_.text(t.id));
    showEnabled();
    return TRUE;
  }

  bool onCommand(int id, int code) override {
    if (code == BN_CLICKED && findId(model_.layout().checks, id)) {
      setChecked(id, model_.toggle(id));
      showEnabled();
    } else if (code == EN_CHANGE) {
      edited(id);
    } else if (code == CBN_SELCHANGE) {
      model_.select(id, ui::comboSelection(item(id), model_.selection(id)));
    } else {
      return false;
    }
    return true;
  }

  void onOk() override { model_.ok(); }

 private:
  void edited(int id) {
    const std::string text = ui::gbText(hwnd(), id);
    const NumberAnswer number = model_.numberChanged(id, text);
    if (number.show) return ui::setGbText(hwnd(), id, *number.show);
    const TextAnswer cut = model_.textChanged(id, text);
    if (cut.show) ui::setGbText(hwnd(), id, *cut.show);
  }

  // Every control a check box owns follows its box.
  void showEnabled() {
    for (const PropertyCheck& c : model_.layout().checks)
      for (int owned : c.enables)
        if (owned != 0) EnableWindow(item(owned), model_.enabled(owned));
  }

  FieldProperties& model_;
  std::size_t formIndex_;
};

}  // namespace

INT_PTR showFieldProperties(HINSTANCE instance, HWND owner, FormRecord form, std::size_t formIndex,
                            std::size_t line, const PropertyLayout& layout) {
  FieldProperties model(form, line, layout);
  FieldPropertyDialog dialog(model, formIndex);
  const INT_PTR result = dialog.runModal(instance, layout.resource, owner);
  if (result != 1) model.cancel();
  return result;
}

}  // namespace k60::editor
