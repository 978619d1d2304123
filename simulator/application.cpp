// Running the application: run start, the no-program case, targets and menus.
#include <algorithm>

#include "simulator/keypad.h"
#include "simulator/simulator.h"
#include "simulator/simulator_texts.h"
#include "template/form_record.h"
#include "template/menu_record.h"
#include "template/startup_options.h"
#include "template/targets.h"

namespace k60::sim {
namespace {

// Run start: item counts, cleared prompts of unused lines, input line counts, written into
// the template without marking it changed.
void prepareRun(Template& t) {
  for (std::size_t i = 0; i < kMenuCount; ++i) prepareMenu(t.menu(i));
  for (std::size_t i = 0; i < kFormCount; ++i) prepareForm(t.form(i), InputRule::Simulator);
}

int itemCount(MenuRecord menu) { return std::min<int>(menu.itemCount(), MenuRecord::kItems); }

}  // namespace

void Simulator::runApplication() {
  prepareRun(t_);
  if (t_.startup().startPosition() == 0) {
    if (t_.form(0).inputLineCount() > 0)
      startForm(kFirstFormTarget);
    else
      noProgram();
  } else if (t_.menu(0).itemCount() > 0) {
    openMenu(kFirstMenuTarget);
  } else {
    noProgram();
  }
}

void Simulator::noProgram() {
  host_.showNoProgramMessage(text::kNoProgramMessage, text::kNoProgramCaption);
  host_.postNewCommand();
}

// A target above 20 (a damaged file) leads to the main page, like target 0.
void Simulator::goToTarget(int target, bool fromEsc) {
  if (isFormTarget(target))
    startForm(target);
  else if (isMenuTarget(target))
    fromEsc ? showMenu(target) : openMenu(target);
  else
    showMainPage();
}

void Simulator::startForm(int target) {
  state_ = SimulatorState::Form;
  target_ = target;
  form_.start(t_.form(formIndex(target)));
  host_.invalidateWholeLcd();
}

void Simulator::openMenu(int target) {
  MenuRecord menu = t_.menu(menuIndex(target));
  menu.setSelectedItem(0);
  menu.setRunState(0);
  showMenu(target);
}

// Up to 8 rows: the title stays on row 0 and the items scroll so that the selected one
// stays in view. A kept selection outside the items (a saved run) starts again at item 1.
void Simulator::showMenu(int target) {
  MenuRecord menu = t_.menu(menuIndex(target));
  const int n = itemCount(menu);
  if (menu.selectedItem() >= std::max(n, 1)) menu.setSelectedItem(0);
  const int selected = menu.selectedItem();
  const int titleRows = menu.titleOn() ? 1 : 0;
  const int itemRows = Screen::kRows - titleRows;
  const int first = std::max(0, selected - itemRows + 1);
  const std::size_t width = menu.lineWidth();
  for (int row = 0; row < Screen::kRows; ++row) screen_.clearLine(row);
  if (titleRows) screen_.setLine(0, cutText(menu.title(), width));
  for (int item = first; item < n && item - first < itemRows; ++item)
    screen_.setLine(item - first + titleRows, cutText(menu.itemName(static_cast<std::size_t>(item)), width));
  screen_.setHighlight(selected - first + titleRows + 1);
  state_ = SimulatorState::Menu;
  target_ = target;
  host_.invalidateWholeLcd();
}

void Simulator::menuKey(int key) {
  MenuRecord menu = t_.menu(menuIndex(target_));
  const int n = itemCount(menu);
  const int selected = menu.selectedItem();
  const int digit = keyLabelNumber(key);
  if (digit >= 1 && digit - 1 < n) {
    menu.setSelectedItem(static_cast<std::uint8_t>(digit - 1));
    goToTarget(menu.itemTarget(static_cast<std::size_t>(digit - 1)), false);
  } else if (key == kKeyEnter) {
    goToTarget(menu.itemTarget(static_cast<std::size_t>(selected)), false);
  } else if (key == kKeyUp && selected >= 1) {
    menu.setSelectedItem(static_cast<std::uint8_t>(selected - 1));
    showMenu(target_);
  } else if (key == kKeyDown && selected < n - 1) {
    menu.setSelectedItem(static_cast<std::uint8_t>(selected + 1));
    showMenu(target_);
  } else if (key == kKeyEsc) {
    goToTarget(menu.escTarget(), true);
  }
}

}  // namespace k60::sim
