// The form and error screen states: keys, multi-tap letters, error screens, completion.
#include "simulator/keypad.h"
#include "simulator/simulator.h"
#include "simulator/simulator_texts.h"
#include "template/prompt_pages.h"
#include "template/targets.h"

namespace k60::sim {
namespace {

constexpr int kTypeError = 1;
constexpr int kTooShortError = 2;
constexpr std::size_t kPressAnyKeyLine = 4;

}  // namespace

void Simulator::formKey(int key) {
  if (const char digit = keyDigit(key)) {
    // A form without an input line has no cursor for a letter to wait at.
    if (!form_.hasInputLine()) return;
    if (screen_.alpha())
      startLetter(key);
    else
      enterCharacter(digit);
    return;
  }
  const FormRecord form = t_.form(formIndex(target_));
  switch (key) {
    case kKeySpace: enterCharacter(' '); break;
    case kKeyBackspace: handleFormEvent(form_.erase()); break;
    case kKeyUp: handleFormEvent(form_.previousLine()); break;
    case kKeyEnter: handleFormEvent(form_.enter()); break;
    case kKeyEsc: goToTarget(form.cancelTarget(), true); break;
    default: break;
  }
}

// Any key brings the form back as it was; the key does nothing else.
void Simulator::errorScreenKey(int) {
  state_ = SimulatorState::Form;
  form_.show();
  host_.invalidateWholeLcd();
}

void Simulator::enterCharacter(char ch) { handleFormEvent(form_.enterCharacter(ch)); }

void Simulator::typeCharacter(char ch) {
  if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  if (ch == '\0' || !keypadTypes(ch)) return;
  if (state_ != SimulatorState::Form) {
    // Outside a form only the keys count: a digit picks a line, any key clears an error.
    const int key = ch == ' ' ? kKeySpace : keyOfDigit(ch);
    if (key != 0) keyPress(key);
    else if (state_ == SimulatorState::ErrorScreen) errorScreenKey(0);
    return;
  }
  // Like a press of another key: a pending letter is entered first, and a refused one
  // leaves its error screen up.
  lastKey_ = 0;
  if (tap_.pending() && enterPendingLetter()) return;
  enterCharacter(ch);
}

void Simulator::scan(std::string_view text) {
  for (char ch : text) typeCharacter(ch);
  keyPress(kKeyEnter);
}

// True when the letter was refused and the error screen is up.
bool Simulator::enterPendingLetter() {
  const char letter = tap_.take();
  host_.pendingLetterCleared();
  if (state_ != SimulatorState::Form) return false;
  return handleFormEvent(form_.enterCharacter(letter));
}

void Simulator::startLetter(int key) {
  const char letter = tap_.press(key);
  host_.pendingLetterShown(letter, screen_.cursorRow(), screen_.cursorColumn());
}

void Simulator::dropPendingLetter() {
  if (!tap_.pending()) return;
  tap_.drop();
  host_.pendingLetterCleared();
}

// Returns true when the event put up an error screen.
bool Simulator::handleFormEvent(FormEvent event) {
  switch (event) {
    case FormEvent::None: break;
    case FormEvent::RowChanged: host_.invalidateRow(form_.currentLine()); break;
    case FormEvent::FormShown: host_.invalidateWholeLcd(); break;
    case FormEvent::Refused: showErrorScreen(kTypeError); return true;
    case FormEvent::TooShort: showErrorScreen(kTooShortError); return true;
    case FormEvent::Completed: completeForm(); break;
  }
  return false;
}

// Rows 0..3 stay; rows 4..7 carry the message between two lines of asterisks.
void Simulator::showErrorScreen(int message) {
  const PromptPage page = t_.prompt(PromptPageId::ErrorMessages);
  screen_.setLine(4, text::kErrorFrame);
  screen_.setLine(5, page.line(static_cast<std::size_t>(message - 1)));
  screen_.setLine(6, page.line(kPressAnyKeyLine));
  screen_.setLine(7, text::kErrorFrame);
  state_ = SimulatorState::ErrorScreen;
  host_.invalidateWholeLcd();
}

// The data is checked and counted, not kept.
void Simulator::completeForm() {
  screen_.countRecord();
  const FormRecord form = t_.form(formIndex(target_));
  goToTarget(form.nextTarget(), false);
}

void Simulator::toggleAlpha() {
  screen_.setAlpha(!screen_.alpha());
  host_.alphaModeChanged(screen_.alpha());
}

}  // namespace k60::sim
