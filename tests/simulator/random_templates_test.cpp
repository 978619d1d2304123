// Templates whose forms and menus hold random bytes, driven by random keys, clock ticks and
// reset requests: every screen line stays within 20 bytes, the cursor stays on the screen,
// and nothing breaks. Fixed seeds make every run the same.
#include <random>
#include <sstream>

#include "tests/simulator/simulator_fixture.h"

namespace k60::sim::test {
namespace {

// The engine's output is fixed by the standard (the distributions are not), so a seed gives
// the same run with every standard library.
class Random {
 public:
  explicit Random(std::uint32_t seed) : engine_(seed) {}
  int below(int n) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(n)); }

 private:
  std::mt19937 engine_;
};

// Mostly values the interpreter looks at closely (data types, lines, targets and lengths
// around their limits), plenty of 0xFF and 0, printable text without a terminator, and
// anything at all.
std::uint8_t randomByte(Random& r) {
  switch (r.below(6)) {
    case 0: return 0xFF;
    case 1: return 0;
    case 2: return static_cast<std::uint8_t>(r.below(11));
    case 3: return static_cast<std::uint8_t>(r.below(24));
    case 4: return static_cast<std::uint8_t>(' ' + r.below(95));
    default: return static_cast<std::uint8_t>(r.below(256));
  }
}

void fillRandom(std::span<std::uint8_t> bytes, Random& r, bool allFF) {
  for (std::uint8_t& b : bytes) b = allFF ? 0xFF : randomByte(r);
}

// Records the first thing the simulator asks of the window that would leave the LCD.
class CheckingHost : public SimulatorHost {
 public:
  void invalidateWholeLcd() override {}
  void invalidateUpperLcd() override {}
  void invalidateRow(int row) override {
    if (row < 0 || row >= Screen::kRows) fail("repaint of row " + std::to_string(row));
  }
  void alphaModeChanged(bool) override {}
  void drawStatusLine(std::string_view gb) override {
    if (gb.size() != Screen::kColumns) fail("status line of " + std::to_string(gb.size()) + " bytes");
  }
  void pendingLetterShown(char, int row, int column) override {
    if (row < 0 || row >= Screen::kRows || column < 0 || column >= Screen::kColumns)
      fail("pending letter at " + std::to_string(row) + "," + std::to_string(column));
  }
  void pendingLetterCleared() override {}
  void showNoProgramMessage(std::string_view, std::string_view) override {}
  void postNewCommand() override {}

  std::string problem;

 private:
  void fail(const std::string& what) {
    if (problem.empty()) problem = what;
  }
};

// The first line or cursor off the screen, or "".
std::string screenProblem(const Simulator& sim) {
  const Screen& screen = sim.screen();
  for (int row = 0; row < Screen::kRows; ++row) {
    const std::string_view text = screen.line(row);
    // The view ends inside the row's 21-byte slot, so its terminator can be read.
    if (text.size() > Screen::kColumns || text.data()[text.size()] != '\0')
      return "row " + std::to_string(row) + " holds " + std::to_string(text.size()) + " bytes";
  }
  if (sim.showsCursor() && (screen.cursorRow() < 0 || screen.cursorRow() >= Screen::kRows ||
                            screen.cursorColumn() < 0 || screen.cursorColumn() >= Screen::kColumns))
    return "cursor at " + std::to_string(screen.cursorRow()) + "," + std::to_string(screen.cursorColumn());
  return "";
}

// Mostly key presses, one in five the key labelled 1 (which runs the application from the
// main page); now and then clock ticks, a reset request or a new Utility page line count.
void randomStep(Simulator& sim, Random& r) {
  const int what = r.below(100);
  if (what < 80) {
    sim.keyPress(r.below(5) == 0 ? keyOfDigit('1') : 1 + r.below(kKeyCount));
  } else if (what < 97) {
    for (int i = r.below(9); i > 0; --i) sim.tick();
  } else if (what < 99) {
    sim.reset();
  } else {
    sim.setUtilityLineCount(7 + r.below(2));
  }
}

struct RunCount {
  int steps = 0;
  int formSteps = 0;
};

// One template from `seed`; every eighth is 0xFF throughout its forms and menus.
std::string runTemplate(std::uint32_t seed, int steps, RunCount& count) {
  Random r(seed);
  Template t;
  resetToDefaults(t);
  const bool allFF = seed % 8 == 0;
  for (std::size_t i = 0; i < kFormCount; ++i) fillRandom(t.form(i).bytes(), r, allFF);
  for (std::size_t i = 0; i < kMenuCount; ++i) fillRandom(t.menu(i).bytes(), r, allFF);
  t.startup().setStartPosition(static_cast<std::uint8_t>(r.below(2)));
  CheckingHost host;
  FixedClock clock;
  Simulator sim(t, host, clock);
  sim.showMainPage();
  for (int step = 0; step < steps; ++step) {
    randomStep(sim, r);
    ++count.steps;
    if (sim.state() == SimulatorState::Form) ++count.formSteps;
    std::string problem = host.problem.empty() ? screenProblem(sim) : host.problem;
    if (!problem.empty()) return problem + " after step " + std::to_string(step);
  }
  return "";
}

TEST(RandomTemplatesTest, ScreenAndCursorStayWithinTheLcd) {
  constexpr std::uint32_t kTemplates = 300;
  constexpr int kSteps = 300;
  RunCount count;
  for (std::uint32_t seed = 1; seed <= kTemplates; ++seed)
    ASSERT_EQ(runTemplate(seed, kSteps, count), "") << "seed " << seed;
  EXPECT_GT(count.formSteps, count.steps / 10) << "the runs reach forms often enough to tell something";
}

}  // namespace
}  // namespace k60::sim::test
