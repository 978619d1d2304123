// The menu page MENUDLG: one of the ten menus at a time, with its title, data options, items
// and targets, and the all-menus separate-files option. The rules are the model's.
#include "editor/menu_page.h"
#include "editor/win32/model_page.h"
#include "editor/win32/pages.h"
#include "resources/editor_ids.h"
#include "template/choice_lists.h"
#include "template/targets.h"
#include "ui/win32/combo_box.h"
#include "ui/win32/gb_controls.h"

namespace k60::editor {
namespace {

constexpr int kItems = static_cast<int>(MenuRecord::kItems);

bool isItemName(int id) { return id >= IDC_MENU_ITEM_NAME && id < IDC_MENU_ITEM_NAME + kItems; }
bool isTargetList(int id) {
  return id == IDC_MENU_ESC || (id >= IDC_MENU_ITEM_TARGET && id < IDC_MENU_ITEM_TARGET + kItems);
}

class MenuPage : public ModelPage<MenuPageModel> {
 public:
  using ModelPage::ModelPage;

 protected:
  BOOL onInit() override {
    takeModel();
    for (std::size_t menu = 0; menu < kMenuCount; ++menu)
      ui::addComboItem(item(IDC_MENU_NAME), choices::targetLabel(menuTarget(menu)));
    ui::selectComboItem(item(IDC_MENU_NAME), 0);
    ui::fillCombo(item(IDC_MENU_FONT), choices::kFonts, -1);
    ui::fillNumberedCombo(item(IDC_MENU_ESC), kTargetCount, choices::targetLabel);
    for (int k = 0; k < kItems; ++k)
      ui::fillNumberedCombo(item(IDC_MENU_ITEM_TARGET + k), kTargetCount, choices::targetLabel);
    showMenu();
    EnableWindow(item(IDC_MENU_FONT), FALSE);
    return TRUE;
  }

  bool onCommand(int id, int code) override {
    if (!model_) return false;
    if (id == IDC_MENU_NAME && code == CBN_SELCHANGE) {
      const std::uint8_t menu = ui::comboSelection(item(id), static_cast<std::uint8_t>(model_->current()));
      if (menu == model_->current()) return true;
      model_->show(menu);
      showMenu();
    } else if (id >= IDC_MENU_TITLE_ON && id <= IDC_MENU_SEPARATE_FILES && code == BN_CLICKED) {
      setChecked(id, model_->toggle(id));
      showTitleAndPass();
    } else if (id == IDC_MENU_TITLE && code == EN_CHANGE) {
      putBack(id, model_->titleChanged(ui::gbText(hwnd(), id)));
    } else if (isItemName(id) && code == EN_CHANGE) {
      putBack(id, model_->itemChanged(static_cast<std::size_t>(id - IDC_MENU_ITEM_NAME), ui::gbText(hwnd(), id)));
    } else if (isTargetList(id) && code == CBN_SELCHANGE) {
      model_->selectTarget(id, ui::comboSelection(item(id), model_->target(id)));
    } else {
      return false;
    }
    return true;
  }

 private:
  void putBack(int id, const TextAnswer& answer) {
    if (answer.show) ui::setGbText(hwnd(), id, *answer.show);
  }

  // Every control from the menu shown; the title and item boxes store what they are given
  // through their own change, cut where it is too long.
  void showMenu() {
    MenuRecord menu = model_->menu();
    ui::selectComboItem(item(IDC_MENU_FONT), menu.font());
    ui::selectComboItem(item(IDC_MENU_ESC), menu.escTarget());
    ui::setGbText(hwnd(), IDC_MENU_TITLE, menu.title());
    for (int k = 0; k < kItems; ++k) {
      ui::selectComboItem(item(IDC_MENU_ITEM_TARGET + k), menu.itemTarget(k));
      ui::setGbText(hwnd(), IDC_MENU_ITEM_NAME + k, menu.itemName(k));
    }
    for (int id = IDC_MENU_TITLE_ON; id <= IDC_MENU_SEPARATE_FILES; ++id) setChecked(id, model_->mark(id));
    showTitleAndPass();
  }

  void showTitleAndPass() {
    EnableWindow(item(IDC_MENU_TITLE), model_->titleEnabled());
    setChecked(IDC_MENU_PASS, model_->mark(IDC_MENU_PASS));
    EnableWindow(item(IDC_MENU_PASS), model_->passEnabled());
  }
};

}  // namespace

std::unique_ptr<ui::Dialog> makeMenuPage(SheetContext& context) { return std::make_unique<MenuPage>(context); }

}  // namespace k60::editor
