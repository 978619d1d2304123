// Templates that a file may carry unchecked: lengths above 50, targets above 20, prompts
// without terminator, a saved selection outside a menu's items.
#include "tests/simulator/simulator_fixture.h"

namespace k60::sim::test {
namespace {

using S = SimulatorState;

TEST_F(SimulatorTest, MaximumLengthAboveFiftyTakesFiftyCharacters) {
  const FormRecord f = form(1);
  setLine(f, 0, DataType::Text, "", 80, 70);
  run();
  for (int i = 0; i < 49; ++i) typeDigits("1");
  press(kKeyEnter);
  EXPECT_EQ(state(), S::ErrorScreen) << "49 characters are too few";
  press(kKeyEsc);
  for (int i = 0; i < 21; ++i) typeDigits("1");
  typeDigits("2");
  const std::string shown = line(0);
  EXPECT_EQ(shown.size(), 20u) << "full: the cursor stands on the last character";
  EXPECT_EQ(shown.back(), '2');
  press(kKeyEnter);
  EXPECT_EQ(sim.screen().recordCounter(), 1) << "a minimum above 50 counts as 50";
  EXPECT_EQ(f.maxLength(0), 80) << "the template keeps its bytes";
}

TEST_F(SimulatorTest, MinimumAboveTheMaximumCannotBeMet) {
  FormRecord f = form(1);
  setLine(f, 0, DataType::Integer, "N:", 3, 5);
  run();
  typeDigits("12345");
  EXPECT_EQ(line(0), "N:125");
  press(kKeyEnter);
  EXPECT_EQ(state(), S::ErrorScreen);
  EXPECT_EQ(line(5), gb("数据过短!       "));
  press(kKeyEnter);
  EXPECT_EQ(state(), S::Form);
  press(kKeyEnter);
  EXPECT_EQ(state(), S::ErrorScreen) << "Enter keeps refusing";
  press(kKeyEsc);
  press(kKeyEsc);
  EXPECT_EQ(state(), S::MainPage) << "ESC still leaves the form";
  EXPECT_EQ(sim.screen().recordCounter(), 0);
}

TEST_F(SimulatorTest, TargetsAboveTwentyLeadToTheMainPage) {
  FormRecord f = form(1);
  setLine(f, 0, DataType::Integer, "N:");
  f.setNextTarget(200);
  f.setCancelTarget(21);
  run();
  press(kKeyEsc);
  EXPECT_EQ(state(), S::MainPage);
  EXPECT_EQ(sim.screen().highlight(), 1);
  run();
  press(kKeyEnter);
  EXPECT_EQ(state(), S::MainPage);
  EXPECT_EQ(sim.screen().recordCounter(), 1);
}

TEST_F(SimulatorTest, PromptWithoutTerminatorIsReadUpToTwentyBytes) {
  FormRecord f = form(1);
  setLine(f, 0, DataType::Prompt, "");
  setLine(f, 1, DataType::Text, "");
  const auto promptSlot = f.promptSlot(0);
  std::fill(promptSlot.begin(), promptSlot.end(), 'P');
  const auto inputSlot = f.promptSlot(1);
  std::fill(inputSlot.begin(), inputSlot.end(), 'Q');
  f.setInitialOn(1, true);
  const auto value = f.bytes().subspan(FormRecord::kInitialValue + 10, 10);
  std::fill(value.begin(), value.end(), 'v');
  run();
  EXPECT_EQ(line(0), std::string(20, 'P'));
  EXPECT_EQ(line(1), std::string(18, 'Q') + "vv");
  typeDigits("1");
  EXPECT_EQ(line(1), std::string(18, 'Q') + "1");
}

TEST_F(SimulatorTest, SavedSelectionOutsideTheItemsStartsAtTheFirstItem) {
  t.startup().setStartPosition(1);
  MenuRecord first = t.menu(0);
  first.setItemName(0, "Go");
  first.setItemTarget(0, 1);
  MenuRecord second = t.menu(1);
  second.setItemName(0, "Only");
  second.setSelectedItem(200);
  FormRecord f = form(1);
  setLine(f, 0, DataType::Text, "T:");
  f.setCancelTarget(12);
  run();
  press(kKeyEnter);
  press(kKeyEsc);
  EXPECT_EQ(sim.currentTarget(), 12);
  EXPECT_EQ(sim.screen().highlight(), 1);
  EXPECT_EQ(second.selectedItem(), 0);
  press(kKeyEnter);
  EXPECT_EQ(state(), S::MainPage) << "item 1 of menu 2 leads to target 0";
}

TEST_F(SimulatorTest, RunStartPreparesEveryFormAndMenuWithoutMarkingTheTemplateChanged) {
  FormRecord f = form(3);
  setLine(f, 0, DataType::Empty, "stale");
  f.setLookupBinding(0, 4);
  setLine(f, 2, DataType::Boolean, "B");
  setLine(f, 4, DataType::Character, "C");
  t.menu(5).setItemName(3, "Four");
  setLine(form(1), 0, DataType::Text, "T");
  run();
  EXPECT_EQ(f.prompt(0), "");
  EXPECT_EQ(f.lookupBinding(0), 0);
  EXPECT_EQ(f.inputLineCount(), 5);
  EXPECT_EQ(t.menu(5).itemCount(), 1);
  EXPECT_FALSE(t.changed());
}

}  // namespace
}  // namespace k60::sim::test
