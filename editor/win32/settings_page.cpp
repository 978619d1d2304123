// The settings page SETTINGSDLG: security checks, the terminal's initial settings, the
// password, and the button to the keyboard wedge dialog. The rules are the model's.
#include "editor/settings_page.h"
#include "editor/win32/model_page.h"
#include "editor/win32/pages.h"
#include "resources/editor_ids.h"
#include "ui/win32/combo_box.h"
#include "ui/win32/gb_controls.h"

namespace k60::editor {
namespace {

class SettingsPage : public ModelPage<SettingsPageModel> {
 public:
  using ModelPage::ModelPage;

 protected:
  BOOL onInit() override {
    takeModel();
    for (const SettingsControl& box : kSecurityBoxes) setChecked(box.id, model_->value(box.id) != 0);
    for (const SettingsControl& list : kSettingsLists) ui::fillCombo(item(list.id), *list.items, model_->value(list.id));
    ui::setGbText(hwnd(), IDC_PASSWORD, model_->password());
    return TRUE;
  }

  bool onCommand(int id, int code) override {
    if (!model_) return false;
    if (id >= IDC_SECURITY_SETTINGS_MENU && id <= IDC_SECURITY_RECORD_PROMPT && code == BN_CLICKED) {
      setChecked(id, model_->toggle(id));
    } else if (id >= IDC_UPLOAD_PORT && id <= IDC_RECORD_PROMPT && code == CBN_SELCHANGE) {
      model_->select(id, ui::comboSelection(item(id), model_->value(id)));
    } else if (id == IDC_PASSWORD && code == EN_CHANGE) {
      const TextAnswer answer = model_->passwordChanged(ui::gbText(hwnd(), IDC_PASSWORD));
      if (answer.show) ui::setGbText(hwnd(), IDC_PASSWORD, *answer.show);
    } else if (id == IDC_KEYBOARD_WEDGE && code == BN_CLICKED) {
      showKeyboardWedgeDialog(instance(), hwnd(), context_.tmpl);
    } else {
      return false;
    }
    return true;
  }
};

}  // namespace

std::unique_ptr<ui::Dialog> makeSettingsPage(SheetContext& context) { return std::make_unique<SettingsPage>(context); }

}  // namespace k60::editor
