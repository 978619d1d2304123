// Shared pieces of the simulator tests: a host that records what the simulator asks of the
// window, a fixed local clock, and a fixture with a default template and key helpers.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "simulator/keypad.h"
#include "simulator/simulator.h"
#include "template/defaults.h"
#include "template/form_record.h"
#include "template/gb_text.h"
#include "template/menu_record.h"
#include "template/startup_options.h"
#include "tests/support/test_support.h"

namespace k60::sim::test {

// Repaint areas as short words: "whole", "upper", "row 3".
class RecordingHost : public SimulatorHost {
 public:
  void invalidateWholeLcd() override { repaints.push_back("whole"); }
  void invalidateUpperLcd() override { repaints.push_back("upper"); }
  void invalidateRow(int row) override { repaints.push_back("row " + std::to_string(row)); }
  void alphaModeChanged(bool on) override { alphaChanges.push_back(on); }
  void drawStatusLine(std::string_view gb) override { statusLines.emplace_back(gb); }
  void pendingLetterShown(char letter, int row, int column) override {
    shownLetters.push_back(std::string(1, letter) + "@" + std::to_string(row) + "," + std::to_string(column));
  }
  void pendingLetterCleared() override { ++lettersCleared; }
  void showNoProgramMessage(std::string_view text, std::string_view caption) override {
    events.push_back("message " + std::string(caption) + ": " + std::string(text));
  }
  void postNewCommand() override { events.push_back("post New"); }

  std::vector<std::string> repaints, statusLines, shownLetters, events;
  std::vector<bool> alphaChanges;
  int lettersCleared = 0;
};

class FixedClock : public LocalClock {
 public:
  LocalTime now() override { return time; }
  LocalTime time{2026, 1, 6, 9, 5};
};

// GB2312 bytes of a UTF-8 literal.
using k60::test::gb;

class SimulatorTest : public ::testing::Test {
 protected:
  SimulatorTest() {
    resetToDefaults(t);
    sim.showMainPage();
  }

  // Keys by their label: "7" is key 1, "1" key 7, "." key 11.
  void typeDigits(std::string_view digits) {
    for (char d : digits) sim.keyPress(keyOfDigit(d));
  }
  void press(int key, int times = 1) {
    for (int i = 0; i < times; ++i) sim.keyPress(key);
  }
  void ticks(int n) {
    for (int i = 0; i < n; ++i) sim.tick();
  }
  std::string line(int row) const { return std::string(sim.screen().line(row)); }
  std::string lastRepaint() const { return host.repaints.empty() ? "" : host.repaints.back(); }
  int cursorColumn() const { return sim.screen().cursorColumn(); }
  int cursorRow() const { return sim.screen().cursorRow(); }
  SimulatorState state() const { return sim.state(); }

  // Form n (1..10) as the tests shape it: small font unless said otherwise.
  FormRecord form(int n, bool smallFont = true) {
    FormRecord f = t.form(static_cast<std::size_t>(n - 1));
    if (smallFont) f.setFont(0);
    return f;
  }
  void setLine(FormRecord f, int line, DataType type, std::string_view prompt, int maxLength = 50,
               int minLength = 0) {
    f.setDataType(static_cast<std::size_t>(line), type);
    f.setPrompt(static_cast<std::size_t>(line), prompt);
    f.setMaxLength(static_cast<std::size_t>(line), static_cast<std::uint8_t>(maxLength));
    f.setMinLength(static_cast<std::size_t>(line), static_cast<std::uint8_t>(minLength));
  }
  // Presses 1 on the main page: the application starts.
  void run() { typeDigits("1"); }

  Template t;
  RecordingHost host;
  FixedClock clock;
  Simulator sim{t, host, clock};
};

}  // namespace k60::sim::test
