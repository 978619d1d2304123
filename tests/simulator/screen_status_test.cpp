// The screen model's line buffers and the status line text.
#include "simulator/screen.h"
#include "simulator/status_line.h"
#include "tests/simulator/simulator_fixture.h"

namespace k60::sim::test {
namespace {

TEST(StatusLine, ShowsMonthDayTimeAndFiveCounterDigits) {
  const LocalTime time{2026, 1, 6, 9, 5};
  EXPECT_EQ(statusLine(time, 0, 12), "JAN  6,  9:5   00012");
  EXPECT_EQ(statusLine(time, 4, 12), "JAN  6,  9:5   00012");
  EXPECT_EQ(statusLine(time, 5, 12), "JAN  6,  9 5   00012");
  EXPECT_EQ(statusLine({2026, 12, 31, 23, 59}, 9, 99999), "DEC 31, 23 59  99999");
}

TEST(StatusLine, KeepsTwentyColumnsForAnyCounterAndTime) {
  EXPECT_EQ(statusLine({2026, 7, 1, 0, 0}, 0, 123456), "JUL  1,  0:0   99999");
  EXPECT_EQ(statusLine({2026, 13, 40, 25, 75}, 0, -3).size(), 20u);
}

TEST(Screen, KeepsTwentyBytesAndNeverHalfACharacter) {
  Screen screen;
  screen.setLine(0, std::string(20, 'x'));
  EXPECT_EQ(screen.line(0), std::string(20, 'x'));
  screen.setLine(1, std::string(25, 'y'));
  EXPECT_EQ(screen.line(1), std::string(20, 'y'));
  // A double-byte character that would start in column 19 is left out.
  const std::string wide = std::string(19, 'z') + gb("中");
  screen.setLine(2, wide);
  EXPECT_EQ(screen.line(2), std::string(19, 'z'));
  screen.setLine(3, std::string(18, 'z') + gb("中"));
  EXPECT_EQ(screen.line(3).size(), 20u);
  screen.setLine(2, "");
  EXPECT_EQ(screen.line(2), "");
}

}  // namespace
}  // namespace k60::sim::test
