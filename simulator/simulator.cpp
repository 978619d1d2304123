// The interpreter's entries: key dispatch by state, the clock tick and the reset request.
#include "simulator/simulator.h"

#include "simulator/keypad.h"
#include "simulator/status_line.h"

namespace k60::sim {

Simulator::Simulator(Template& t, SimulatorHost& host, LocalClock& clock) : t_(t), host_(host), clock_(clock) {}

void Simulator::keyPress(int key) {
  if (key < 1 || key > kKeyCount) return;
  if (key == kKeyAlpha && state_ == SimulatorState::Form) toggleAlpha();
  const bool otherKey = key != lastKey_;
  lastKey_ = key;
  // A letter that the data type refuses shows its error screen; the key that entered it
  // does nothing more, so that the message stays up.
  if (tap_.pending() && otherKey && enterPendingLetter()) return;
  switch (state_) {
    case SimulatorState::MainPage: mainPageKey(key); break;
    case SimulatorState::Menu: menuKey(key); break;
    case SimulatorState::Form: formKey(key); break;
    case SimulatorState::ErrorScreen: errorScreenKey(key); break;
    case SimulatorState::UtilityPage: utilityPageKey(key); break;
    case SimulatorState::SettingsPage: settingsPageKey(key); break;
    case SimulatorState::ConnectingPage: connectingPageKey(key); break;
  }
}

void Simulator::tick() {
  screen_.advanceClockPhase();
  if (state_ == SimulatorState::MainPage) host_.drawStatusLine(statusLine());
  if (tap_.tick()) enterPendingLetter();
}

// A letter still pending belongs to a form the changed template may no longer have: it is
// dropped, not entered.
void Simulator::reset() {
  dropPendingLetter();
  lastKey_ = 0;
  showMainPage();
}

std::optional<char> Simulator::pendingLetter() const {
  return tap_.pending() ? std::optional<char>(tap_.letter()) : std::nullopt;
}

std::string Simulator::statusLine() const {
  return sim::statusLine(clock_.now(), screen_.clockPhase(), screen_.recordCounter());
}

const char* stateName(SimulatorState state) {
  switch (state) {
    case SimulatorState::MainPage: return "main";
    case SimulatorState::Menu: return "menu";
    case SimulatorState::Form: return "form";
    case SimulatorState::ErrorScreen: return "error";
    case SimulatorState::UtilityPage: return "utility";
    case SimulatorState::SettingsPage: return "settings";
    case SimulatorState::ConnectingPage: return "connecting";
  }
  return "main";
}

}  // namespace k60::sim
