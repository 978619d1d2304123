// The terminal's own pages: main page, Utility page, system settings page, connecting page.
#include "simulator/keypad.h"
#include "simulator/simulator.h"
#include "template/prompt_pages.h"

namespace k60::sim {
namespace {

// Rows 0..count-1 from the page's lines, the rest of rows 0..rows-1 empty.
void showPromptLines(Screen& screen, const PromptPage& page, int count, int rows = Screen::kRows) {
  for (int row = 0; row < rows; ++row) {
    if (row < count && static_cast<std::size_t>(row) < page.lineCount())
      screen.setLine(row, page.line(static_cast<std::size_t>(row)));
    else
      screen.clearLine(row);
  }
}

}  // namespace

void Simulator::showMainPage() {
  screen_.setHighlight(1);
  drawMainPage(false);
}

// Row 7 is left as it is: the clock tick draws the status line over it.
void Simulator::drawMainPage(bool upperOnly) {
  showPromptLines(screen_, t_.prompt(PromptPageId::MainMenu), 4, Screen::kRows - 1);
  state_ = SimulatorState::MainPage;
  target_ = 0;
  if (upperOnly)
    host_.invalidateUpperLcd();
  else
    host_.invalidateWholeLcd();
}

void Simulator::mainPageKey(int key) {
  int choice = keyLabelNumber(key);
  if (key == kKeyEnter) choice = screen_.highlight();
  const int h = screen_.highlight();
  if (choice == 1) {
    runApplication();
  } else if (choice == 2) {
    screen_.setHighlight(0);
    showConnectingPage();
  } else if (choice == 3) {
    screen_.setHighlight(1);
    showUtilityPage();
  } else if (key == kKeyUp) {
    screen_.setHighlight(h <= 1 ? 3 : h - 1);
    drawMainPage(true);
  } else if (key == kKeyDown) {
    screen_.setHighlight(h >= 3 ? 1 : h + 1);
    drawMainPage(true);
  }
}

void Simulator::showUtilityPage() {
  showPromptLines(screen_, t_.prompt(PromptPageId::UtilityMenu), utilityLines_);
  state_ = SimulatorState::UtilityPage;
  host_.invalidateWholeLcd();
}

// Of the Utility page's items only the first (system settings) has a simulated function.
void Simulator::utilityPageKey(int key) {
  const int h = screen_.highlight();
  if (keyLabelNumber(key) == 1 || (key == kKeyEnter && h == 1)) {
    screen_.setHighlight(8);
    showSettingsPage();
  } else if (key == kKeyUp) {
    screen_.setHighlight(h <= 1 ? utilityLines_ : h - 1);
    showUtilityPage();
  } else if (key == kKeyDown) {
    screen_.setHighlight(h < utilityLines_ ? h + 1 : 1);
    showUtilityPage();
  } else if (key == kKeyEsc) {
    screen_.setHighlight(3);
    drawMainPage(false);
  }
}

void Simulator::showSettingsPage() {
  showPromptLines(screen_, t_.prompt(PromptPageId::SettingsMenu), Screen::kRows);
  state_ = SimulatorState::SettingsPage;
  host_.invalidateWholeLcd();
}

// The highlight runs over the seven items below the title line (lines 2..8).
void Simulator::settingsPageKey(int key) {
  const int h = screen_.highlight();
  const int digit = keyLabelNumber(key);
  if (key == kKeyUp) {
    screen_.setHighlight(h < 3 ? 8 : h - 1);
    showSettingsPage();
  } else if (key == kKeyDown) {
    screen_.setHighlight(h > 7 ? 2 : h + 1);
    showSettingsPage();
  } else if ((digit >= 1 && digit <= 7) || key == kKeyEnter || key == kKeyEsc) {
    screen_.setHighlight(1);
    showUtilityPage();
  }
}

void Simulator::showConnectingPage() {
  showPromptLines(screen_, t_.prompt(PromptPageId::Connecting), 4);
  state_ = SimulatorState::ConnectingPage;
  host_.invalidateWholeLcd();
}

void Simulator::connectingPageKey(int key) {
  if (key == kKeyEsc) showMainPage();
}

}  // namespace k60::sim
