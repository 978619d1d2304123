// The menu page's model.
#include "editor/menu_page.h"

#include <algorithm>

#include "editor/check_box.h"
#include "editor/control_table.h"
#include "resources/editor_ids.h"
#include "template/lookup_record.h"

namespace k60::editor {

const std::array<MenuCheckBox, 4> kMenuCheckBoxes = {{
    {IDC_MENU_TITLE_ON, MenuRecord::kTitleOn},
    {IDC_MENU_SAVE_TITLE, MenuRecord::kSaveTitle},
    {IDC_MENU_SAVE_SELECTED, MenuRecord::kSaveSelected},
    {IDC_MENU_PASS, MenuRecord::kPass},
}};

MenuPageModel::MenuPageModel(Template& t) : separateFiles_(t.extension().byte(ExtensionBlock::kSeparateFiles)) {
  const auto menus = t.block(Block::Menus);
  std::copy(menus.begin(), menus.end(), menus_.begin());
  applyPassRule();
}

MenuRecord MenuPageModel::menuAt(std::size_t index) {
  return MenuRecord(std::span(menus_).subspan(index * kMenuRecordSize, kMenuRecordSize));
}

void MenuPageModel::show(std::size_t index) {
  current_ = std::min(index, kMenuCount - 1);
  applyPassRule();
}

std::uint8_t* MenuPageModel::checkByte(int id) {
  if (id == IDC_MENU_SEPARATE_FILES) return &separateFiles_;
  const MenuCheckBox* box = findId(kMenuCheckBoxes, id);
  return box ? &menu().bytes()[box->offset] : nullptr;
}

bool MenuPageModel::mark(int id) {
  const std::uint8_t* byte = checkByte(id);
  return byte && *byte != 0;
}

bool MenuPageModel::toggle(int id) {
  std::uint8_t* byte = checkByte(id);
  if (!byte) return false;
  const bool on = flipByte(*byte);
  if (id == IDC_MENU_SAVE_TITLE || id == IDC_MENU_SAVE_SELECTED || id == IDC_MENU_SEPARATE_FILES) applyPassRule();
  return on;
}

bool MenuPageModel::passEnabled() {
  return !separateFiles() && (menu().saveTitle() || menu().saveSelected());
}

// With the separate-files option the menu's data always goes with a saved option; without
// it, pass keeps its value while there is something to pass and is cleared otherwise.
void MenuPageModel::applyPassRule() {
  MenuRecord m = menu();
  const bool saves = m.saveTitle() || m.saveSelected();
  if (separateFiles()) m.setPass(saves);
  else if (!saves) m.setPass(false);
}

TextAnswer MenuPageModel::titleChanged(std::string_view gb) {
  TextAnswer answer = cutBoxText(gb, kSmallFontColumns);
  menu().setTitle(answer.store);
  return answer;
}

TextAnswer MenuPageModel::itemChanged(std::size_t item, std::string_view gb) {
  TextAnswer answer = cutBoxText(gb, itemLimit());
  if (!answer.show) menu().setItemName(item, answer.store);
  return answer;
}

std::uint8_t* MenuPageModel::targetByte(int id) {
  if (id == IDC_MENU_ESC) return &menu().bytes()[MenuRecord::kEscTarget];
  if (id >= IDC_MENU_ITEM_TARGET && id < IDC_MENU_ITEM_TARGET + static_cast<int>(MenuRecord::kItems))
    return &menu().bytes()[MenuRecord::kItemTargets + (id - IDC_MENU_ITEM_TARGET)];
  return nullptr;
}

std::uint8_t MenuPageModel::target(int id) {
  const std::uint8_t* byte = targetByte(id);
  return byte ? *byte : 0;
}

void MenuPageModel::selectTarget(int id, std::uint8_t position) {
  if (std::uint8_t* byte = targetByte(id)) *byte = position;
}

void MenuPageModel::apply(Template& t) const {
  std::copy(menus_.begin(), menus_.end(), t.block(Block::Menus).begin());
  t.extension().setByte(ExtensionBlock::kSeparateFiles, separateFiles_);
}

}  // namespace k60::editor
