// ComSettingDlg: two drop-down lists over the template's two COM setting bytes.
#include "shell/win32/com_settings_dialog.h"

#include <string>

#include "resources/resource_ids.h"
#include "template/choice_lists.h"
#include "template/com_settings.h"
#include "ui/win32/combo_box.h"
#include "ui/win32/dialog.h"

namespace k60::shell {
namespace {

class ComSettingsDialog : public ui::Dialog {
 public:
  explicit ComSettingsDialog(Template& t) : t_(t) {}

 protected:
  BOOL onInit() override {
    ui::fillCombo(item(IDC_COM_PORT), choices::kComPorts, t_.comPort());
    HWND rates = item(IDC_COM_BAUD_RATE);
    for (std::uint32_t rate : kComRates) ui::addComboItem(rates, std::to_string(rate));
    // A damaged template's index outside the list selects nothing (CB_ERR).
    ui::selectComboItem(rates, t_.comRate());
    return TRUE;
  }

  void onOk() override {
    // A list left without a selection keeps the stored index.
    t_.setComPort(ui::comboSelection(item(IDC_COM_PORT), t_.comPort()));
    t_.setComRate(ui::comboSelection(item(IDC_COM_BAUD_RATE), t_.comRate()));
  }

 private:
  Template& t_;
};

}  // namespace

INT_PTR showComSettingsDialog(HINSTANCE instance, HWND owner, Template& t) {
  return ComSettingsDialog(t).runModal(instance, L"ComSettingDlg", owner);
}

}  // namespace k60::shell
