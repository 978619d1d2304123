// Runs a key script through the interpreter and reports the final screen.
#include "tools/k60tool/simulate_session.h"

#include "template/gb_text.h"

namespace k60::tool {

using json = nlohmann::ordered_json;

sim::LocalTime ScriptClock::now() {
  using namespace std::chrono;
  const auto t = start_ + floor<minutes>(elapsed_);
  const auto day = floor<days>(t);
  const year_month_day date{day};
  const hh_mm_ss time{t - day};
  return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day())), static_cast<int>(time.hours().count()),
          static_cast<int>(time.minutes().count())};
}

void ScriptHost::showNoProgramMessage(std::string_view text, std::string_view caption) {
  messages_.push_back({false, std::string(text), std::string(caption)});
}

void ScriptHost::postNewCommand() { messages_.push_back({true, {}, {}}); }

SimulateSession::SimulateSession(Template& t, std::chrono::sys_time<std::chrono::minutes> start)
    : clock_(start), sim_(t, host_, clock_) {
  sim_.showMainPage();
}

void SimulateSession::play(const std::vector<ScriptStep>& steps) {
  for (const ScriptStep& step : steps) {
    if (step.key != 0) {
      sim_.keyPress(step.key);
    } else if (!step.typed.empty()) {
      for (char ch : step.typed) sim_.typeCharacter(ch);
    } else if (!step.scanned.empty()) {
      sim_.scan(step.scanned);
    } else {
      wait(step.waitMs);
    }
  }
}

// A tick falls on every 100 ms boundary of the script's time, so short waits add up.
void SimulateSession::wait(long long ms) {
  constexpr long long kTickMs = 100;
  const long long ticksBefore = elapsedMs_ / kTickMs;
  elapsedMs_ += ms;
  for (long long i = ticksBefore; i < elapsedMs_ / kTickMs; ++i) {
    clock_.advance(std::chrono::milliseconds(kTickMs));
    sim_.tick();
  }
}

std::vector<std::string> SimulateSession::rows() const {
  std::vector<std::string> rows;
  for (int row = 0; row < sim::Screen::kRows; ++row) rows.emplace_back(sim_.screen().line(row));
  if (sim_.state() == sim::SimulatorState::MainPage) rows.back() = sim_.statusLine();
  return rows;
}

// Messages as strings: a message box's text, or "New" for the posted command.
json SimulateSession::toJson() const {
  json lines = json::array();
  for (const std::string& row : rows()) lines.push_back(gbToUtf8(row));
  json messages = json::array();
  for (const ScriptHost::Message& m : host_.messages()) messages.push_back(m.newCommand ? "New" : m.text);
  const auto pending = sim_.pendingLetter();
  const sim::Screen& screen = sim_.screen();
  return {
      {"state", sim::stateName(sim_.state())},
      {"lines", lines},
      {"highlight", screen.highlight()},
      // highlight counts rows from 1 (0 for none) and cursor from 0, as the screen model
      // has them; no cursor is shown outside a form.
      {"cursor", sim_.showsCursor() ? json::array({screen.cursorRow(), screen.cursorColumn()}) : json(nullptr)},
      {"target", sim_.currentTarget()},
      {"records", screen.recordCounter()},
      {"alpha", screen.alpha()},
      {"pending", pending ? json(std::string(1, *pending)) : json(nullptr)},
      {"messages", messages},
  };
}

// The LCD in a frame, the highlighted row marked with > <, then the state and messages.
void SimulateSession::printText(std::ostream& out) const {
  const sim::Screen& screen = sim_.screen();
  const std::string border = "+" + std::string(sim::Screen::kColumns, '-') + "+\n";
  out << border;
  const auto lines = rows();
  for (int row = 0; row < sim::Screen::kRows; ++row) {
    std::string text = lines[static_cast<std::size_t>(row)];
    text.resize(sim::Screen::kColumns, ' ');
    const bool inverted = screen.highlight() == row + 1;
    out << (inverted ? '>' : '|') << gbToUtf8(text) << (inverted ? '<' : '|') << "\n";
  }
  out << border;
  out << "state: " << sim::stateName(sim_.state()) << "   target: " << sim_.currentTarget()
      << "   records: " << screen.recordCounter() << "   alpha: " << (screen.alpha() ? "on" : "off") << "\n";
  if (sim_.showsCursor())
    out << "cursor: row " << screen.cursorRow() << ", column " << screen.cursorColumn() << "\n";
  if (const auto pending = sim_.pendingLetter()) out << "pending letter: " << *pending << "\n";
  for (const ScriptHost::Message& m : host_.messages()) {
    if (m.newCommand)
      out << "command posted: New\n";
    else
      out << "message box [" << m.caption << "]: " << m.text << "\n";
  }
}

}  // namespace k60::tool
