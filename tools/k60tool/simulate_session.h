// A scripted simulator run: the interpreter on a loaded template with a virtual clock, a
// host that records message boxes and commands, and the final screen as JSON or text.
#pragma once

#include <chrono>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "simulator/simulator.h"
#include "tools/k60tool/simulate_script.h"

namespace k60::tool {

// Local time that moves only as the script waits.
class ScriptClock : public sim::LocalClock {
 public:
  explicit ScriptClock(std::chrono::sys_time<std::chrono::minutes> start) : start_(start) {}
  sim::LocalTime now() override;
  void advance(std::chrono::milliseconds ms) { elapsed_ += ms; }

 private:
  std::chrono::sys_time<std::chrono::minutes> start_;
  std::chrono::milliseconds elapsed_{0};
};

// Keeps what a window would show outside the LCD: message boxes and posted commands.
class ScriptHost : public sim::SimulatorHost {
 public:
  void invalidateWholeLcd() override {}
  void invalidateUpperLcd() override {}
  void invalidateRow(int) override {}
  void alphaModeChanged(bool) override {}
  void drawStatusLine(std::string_view) override {}
  void pendingLetterShown(char, int, int) override {}
  void pendingLetterCleared() override {}
  void showNoProgramMessage(std::string_view text, std::string_view caption) override;
  void postNewCommand() override;

  // A message box shown (its text and caption, UTF-8) or the request to post New.
  struct Message {
    bool newCommand = false;
    std::string text, caption;
  };
  const std::vector<Message>& messages() const { return messages_; }

 private:
  std::vector<Message> messages_;
};

class SimulateSession {
 public:
  SimulateSession(Template& t, std::chrono::sys_time<std::chrono::minutes> start);

  // Presses the keys and lets the waits pass as 100 ms clock ticks.
  void play(const std::vector<ScriptStep>& steps);

  nlohmann::ordered_json toJson() const;
  void printText(std::ostream& out) const;

 private:
  // The eight rows as GB2312 bytes; the status line stands in row 7 on the main page.
  std::vector<std::string> rows() const;
  void wait(long long ms);

  ScriptClock clock_;
  ScriptHost host_;
  sim::Simulator sim_;
  long long elapsedMs_ = 0;
};

}  // namespace k60::tool
