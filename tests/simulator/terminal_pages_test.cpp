// The main page, the Utility, settings and connecting pages, and the no-program case.
#include "tests/simulator/simulator_fixture.h"

namespace k60::sim::test {
namespace {

using S = SimulatorState;

TEST_F(SimulatorTest, StartsOnTheMainPageWithItsDefaultLinesAndTheStatusLine) {
  EXPECT_EQ(state(), S::MainPage);
  EXPECT_EQ(line(0), gb("1.收集数据     "));
  EXPECT_EQ(line(1), gb("2.上传数据     "));
  EXPECT_EQ(line(2), gb("3.系统工具     "));
  EXPECT_EQ(line(3), std::string(15, ' '));
  for (int row = 4; row < 8; ++row) EXPECT_EQ(line(row), "") << row;
  EXPECT_EQ(sim.screen().highlight(), 1);
  EXPECT_EQ(host.repaints, std::vector<std::string>{"whole"});
  EXPECT_FALSE(sim.showsCursor());

  ticks(1);
  ASSERT_EQ(host.statusLines.size(), 1u);
  EXPECT_EQ(host.statusLines[0], "JAN  6,  9:5   00000");
}

TEST_F(SimulatorTest, MainPageArrowsWrapAndRepaintOnlyTheUpperLcd) {
  press(kKeyUp);
  EXPECT_EQ(sim.screen().highlight(), 3);
  EXPECT_EQ(lastRepaint(), "upper");
  press(kKeyDown);
  EXPECT_EQ(sim.screen().highlight(), 1);
  press(kKeyDown, 2);
  EXPECT_EQ(sim.screen().highlight(), 3);
  EXPECT_EQ(lastRepaint(), "upper");
  EXPECT_EQ(host.repaints.size(), 5u);
}

TEST_F(SimulatorTest, EnterActsAsTheHighlightedItem) {
  press(kKeyDown);
  press(kKeyEnter);
  EXPECT_EQ(state(), S::ConnectingPage);
  EXPECT_EQ(sim.screen().highlight(), 0);
  EXPECT_EQ(line(0), gb("正在连接...   "));
  EXPECT_EQ(line(4), "");
  typeDigits("1");
  press(kKeyEnter);
  EXPECT_EQ(state(), S::ConnectingPage) << "only ESC leaves the connecting page";
  press(kKeyEsc);
  EXPECT_EQ(state(), S::MainPage);
  EXPECT_EQ(sim.screen().highlight(), 1);
  EXPECT_EQ(lastRepaint(), "whole");
}

TEST_F(SimulatorTest, UtilityAndSettingsPagesMoveTheirHighlights) {
  typeDigits("3");
  EXPECT_EQ(state(), S::UtilityPage);
  EXPECT_EQ(sim.screen().highlight(), 1);
  EXPECT_EQ(line(0), gb("1.系统设置     "));
  EXPECT_EQ(line(6), gb("7.内存&电池    "));
  EXPECT_EQ(line(7), "") << "seven lines while lookup 1 describes no file";
  press(kKeyUp);
  EXPECT_EQ(sim.screen().highlight(), 7);
  press(kKeyDown);
  EXPECT_EQ(sim.screen().highlight(), 1);
  typeDigits("2");
  press(kKeyDown);
  press(kKeyEnter);
  EXPECT_EQ(state(), S::UtilityPage) << "Enter on item 2 has no simulated function";

  press(kKeyUp);
  press(kKeyEnter);
  EXPECT_EQ(state(), S::SettingsPage);
  EXPECT_EQ(sim.screen().highlight(), 8);
  EXPECT_EQ(line(0), gb("  [ 系统设置 ]  "));
  press(kKeyDown);
  EXPECT_EQ(sim.screen().highlight(), 2);
  press(kKeyUp);
  EXPECT_EQ(sim.screen().highlight(), 8);
  press(kKeyUp);
  EXPECT_EQ(sim.screen().highlight(), 7);
  typeDigits("8");
  EXPECT_EQ(state(), S::SettingsPage) << "8 is not one of its items";
  typeDigits("5");
  EXPECT_EQ(state(), S::UtilityPage);
  EXPECT_EQ(sim.screen().highlight(), 1) << "back from settings always on the first line";

  press(kKeyEsc);
  EXPECT_EQ(state(), S::MainPage);
  EXPECT_EQ(sim.screen().highlight(), 3);
}

TEST_F(SimulatorTest, UtilityPageShowsEightLinesWhenToldSo) {
  sim.setUtilityLineCount(8);
  typeDigits("3");
  EXPECT_EQ(line(7), gb("8.下载索引文件 "));
  press(kKeyUp);
  EXPECT_EQ(sim.screen().highlight(), 8);
  press(kKeyDown);
  EXPECT_EQ(sim.screen().highlight(), 1);
}

TEST_F(SimulatorTest, MainPageLeavesRowSevenToTheStatusLine) {
  sim.setUtilityLineCount(8);
  typeDigits("3");
  press(kKeyEsc);
  EXPECT_EQ(state(), S::MainPage);
  for (int row = 4; row < 7; ++row) EXPECT_EQ(line(row), "") << row;
  EXPECT_EQ(line(7), gb("8.下载索引文件 ")) << "the status line covers it";
}

TEST_F(SimulatorTest, NothingToRunShowsTheMessageAndPostsNew) {
  // Form 1 holds only lines that take no input.
  const FormRecord f = form(1);
  setLine(f, 0, DataType::Prompt, "Hello");
  setLine(f, 1, DataType::Counter, "n");
  run();
  EXPECT_EQ(state(), S::MainPage);
  EXPECT_EQ(host.events,
            (std::vector<std::string>{"message 没有可执行的程序: 请定义您的应用程序!!", "post New"}));

  t.startup().setStartPosition(1);
  host.events.clear();
  press(kKeyEnter);
  EXPECT_EQ(host.events.size(), 2u) << "menu 1 without items";
}

TEST_F(SimulatorTest, StatusLineDrawsOnlyOnTheMainPageAndBlinks) {
  ticks(5);
  EXPECT_EQ(host.statusLines.back(), "JAN  6,  9 5   00000") << "phase 5 after five ticks";
  typeDigits("3");
  ticks(3);
  EXPECT_EQ(host.statusLines.size(), 5u);
  press(kKeyEsc);
  ticks(1);
  EXPECT_EQ(host.statusLines.size(), 6u);
}

TEST_F(SimulatorTest, ResetRequestReturnsToTheMainPageFromAnywhere) {
  typeDigits("3");
  press(kKeyUp);
  sim.reset();
  EXPECT_EQ(state(), S::MainPage);
  EXPECT_EQ(sim.screen().highlight(), 1);
  EXPECT_EQ(lastRepaint(), "whole");
}

}  // namespace
}  // namespace k60::sim::test
