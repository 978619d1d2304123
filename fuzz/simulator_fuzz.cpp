// Fuzz harness: the simulator runs a template from the input (the example application when
// the input does not start with a template file) under keys and clock ticks from the rest of the input. The screen
// lines, the cursor and a pending letter must stay on the 8 x 20 screen in every state.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "simulator/keypad.h"
#include "simulator/simulator.h"
#include "template/atx_file.h"
#include "template/defaults.h"
#include "template/example_application.h"

namespace {

class NullHost : public k60::sim::SimulatorHost {
 public:
  void invalidateWholeLcd() override {}
  void invalidateUpperLcd() override {}
  void invalidateRow(int) override {}
  void alphaModeChanged(bool) override {}
  void drawStatusLine(std::string_view gb) override {
    if (gb.size() > 20) std::abort();
  }
  void pendingLetterShown(char, int row, int column) override {
    if (row < 0 || row > 7 || column < 0 || column > 19) std::abort();
  }
  void pendingLetterCleared() override {}
  void showNoProgramMessage(std::string_view, std::string_view) override {}
  void postNewCommand() override {}
};

class FixedClock : public k60::sim::LocalClock {
 public:
  k60::sim::LocalTime now() override { return {2026, 12, 7, 8, 30}; }
};

void check(const k60::sim::Simulator& sim) {
  const k60::sim::Screen& screen = sim.screen();
  for (int row = 0; row < k60::sim::Screen::kRows; ++row)
    if (screen.line(row).size() > 20) std::abort();
  if (sim.showsCursor()) {
    if (screen.cursorRow() < 0 || screen.cursorRow() > 7) std::abort();
    if (screen.cursorColumn() < 0 || screen.cursorColumn() > 19) std::abort();
  }
  if (sim.pendingLetter() && !sim.showsCursor()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  k60::Template t;
  k60::resetToDefaults(t);
  k60::buildExampleApplication(t);
  std::span<const std::uint8_t> keys(data, size);
  if (size >= k60::kAtxFileSize && k60::decodeTemplateFile(keys.first(k60::kAtxFileSize), t) == k60::ReadStatus::Ok)
    keys = keys.subspan(k60::kAtxFileSize);
  NullHost host;
  FixedClock clock;
  k60::sim::Simulator sim(t, host, clock);
  sim.showMainPage();
  for (std::uint8_t b : keys) {
    const int key = b % 24;
    if (key >= 1 && key <= k60::sim::kKeyCount) sim.keyPress(key);
    else if (key == 0) sim.reset();
    else for (int i = 0; i < (b >> 5) + 1; ++i) sim.tick();
    check(sim);
  }
  return 0;
}
