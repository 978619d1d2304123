// The application interpreter: runs the template's forms and menus on the simulated LCD and
// imitates the terminal's main page, utility, settings and connecting pages.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "simulator/form_input.h"
#include "simulator/local_clock.h"
#include "simulator/multi_tap.h"
#include "simulator/screen.h"
#include "simulator/simulator_host.h"
#include "template/store.h"

namespace k60::sim {

enum class SimulatorState { MainPage, Menu, Form, ErrorScreen, UtilityPage, SettingsPage, ConnectingPage };

class Simulator {
 public:
  // Starts in the main page state with an empty screen and tells the host nothing yet: the
  // window calls showMainPage() once it exists.
  Simulator(Template& t, SimulatorHost& host, LocalClock& clock);

  // The window's three entries: a press of key 1..20 (the Alpha toggle in a form included),
  // the 100 ms clock tick, and the reset request after the form page applied its changes.
  void keyPress(int key);
  void tick();
  void reset();

  // A character typed on the PC keyboard (or by a barcode scanner, which types): in a form
  // it is entered as if it had been multi-tapped, whatever the alpha mode, a lower-case
  // letter as its capital; elsewhere a digit, '.' or a space is its key's press. A character
  // no key of the keypad can produce is ignored.
  void typeCharacter(char ch);
  // A scan: its characters as typed, then Enter.
  void scan(std::string_view text);

  // Highlight 1 and the main page, whole LCD: at window creation (and every return to it).
  void showMainPage();
  // 7 or 8 lines on the Utility page (8 when lookup 1 describes a file).
  void setUtilityLineCount(int lines) { utilityLines_ = lines == 8 ? 8 : 7; }

  // What the window paints.
  const Screen& screen() const { return screen_; }
  SimulatorState state() const { return state_; }
  bool showsCursor() const { return state_ == SimulatorState::Form && form_.hasInputLine(); }
  int currentTarget() const { return target_; }
  std::optional<char> pendingLetter() const;
  // The 20 characters of the status line now (drawn over row 7 on the main page).
  std::string statusLine() const;

 private:
  // Main page and the terminal's own pages (terminal_pages.cpp).
  void drawMainPage(bool upperOnly);
  void mainPageKey(int key);
  void showUtilityPage();
  void utilityPageKey(int key);
  void showSettingsPage();
  void settingsPageKey(int key);
  void showConnectingPage();
  void connectingPageKey(int key);

  // Running the application and moving between its forms and menus (application.cpp).
  void runApplication();
  void noProgram();
  void goToTarget(int target, bool fromEsc);
  void startForm(int target);
  void openMenu(int target);
  void showMenu(int target);
  void menuKey(int key);

  // Forms, the error screen and multi-tap letters (form_keys.cpp).
  void formKey(int key);
  void errorScreenKey(int key);
  void enterCharacter(char ch);
  bool enterPendingLetter();
  void startLetter(int key);
  void dropPendingLetter();
  bool handleFormEvent(FormEvent event);
  void showErrorScreen(int message);
  void completeForm();
  void toggleAlpha();

  Template& t_;
  SimulatorHost& host_;
  LocalClock& clock_;
  Screen screen_;
  FormInput form_{screen_};
  MultiTap tap_;
  SimulatorState state_ = SimulatorState::MainPage;
  int target_ = 0;
  int lastKey_ = 0;
  int utilityLines_ = 7;
};

const char* stateName(SimulatorState state);

}  // namespace k60::sim
