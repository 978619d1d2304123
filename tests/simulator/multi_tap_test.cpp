// Multi-tap letters in alpha mode: cycling, the 7-tick time-out, entry by another key.
#include "tests/simulator/simulator_fixture.h"

namespace k60::sim::test {
namespace {

using S = SimulatorState;

class MultiTapTest : public SimulatorTest {
 protected:
  MultiTapTest() {
    const FormRecord f = form(1);
    setLine(f, 0, DataType::Text, "Name:");
    setLine(f, 1, DataType::Integer, "Qty:");
    run();
    press(kKeyAlpha);
  }
};

TEST_F(MultiTapTest, AlphaTogglesOnlyInAForm) {
  EXPECT_TRUE(sim.screen().alpha());
  EXPECT_EQ(host.alphaChanges, std::vector<bool>{true});
  press(kKeyEsc);
  press(kKeyAlpha);
  EXPECT_TRUE(sim.screen().alpha()) << "the main page leaves alpha mode alone";
  EXPECT_EQ(host.alphaChanges.size(), 1u);
}

TEST_F(MultiTapTest, RepeatedPressesCycleAndTheTimeOutEntersTheLetter) {
  typeDigits("2");
  EXPECT_EQ(sim.pendingLetter(), 'V');
  typeDigits("2");
  EXPECT_EQ(sim.pendingLetter(), 'W');
  typeDigits("2");
  EXPECT_EQ(sim.pendingLetter(), 'X');
  EXPECT_EQ(host.shownLetters, (std::vector<std::string>{"V@0,5", "W@0,5", "X@0,5"}));
  EXPECT_EQ(line(0), "Name:") << "a pending letter is not part of the line";
  ticks(6);
  EXPECT_EQ(sim.pendingLetter(), 'X');
  ticks(1);
  EXPECT_EQ(sim.pendingLetter(), std::nullopt);
  EXPECT_EQ(line(0), "Name:X");
  EXPECT_EQ(lastRepaint(), "row 0");
  EXPECT_EQ(host.lettersCleared, 1);

  typeDigits("2222");
  EXPECT_EQ(sim.pendingLetter(), 'V') << "the fourth press cycles back";
}

TEST_F(MultiTapTest, AnotherKeyEntersThePendingLetterFirst) {
  typeDigits("3");
  typeDigits("3");
  typeDigits("7");
  EXPECT_EQ(line(0), "Name:Z");
  EXPECT_EQ(sim.pendingLetter(), 'A');
  press(kKeySpace);
  EXPECT_EQ(line(0), "Name:ZA ");
  typeDigits(".");
  press(kKeyBackspace);
  EXPECT_EQ(line(0), "Name:ZA ") << "BS entered the pending letter, then deleted it, not the blank";
}

TEST_F(MultiTapTest, LetterOnAnIntegerLineIsRefusedWhenEntered) {
  press(kKeyEnter);
  typeDigits("5");
  EXPECT_EQ(sim.pendingLetter(), 'M');
  ticks(7);
  EXPECT_EQ(state(), S::ErrorScreen);
  EXPECT_EQ(line(5), gb("数据类型错误!   "));
  press(kKeyEsc);
  EXPECT_EQ(state(), S::Form);
  EXPECT_EQ(line(1), "Qty:");
}

TEST_F(MultiTapTest, RefusedLetterEnteredByAnotherKeyKeepsItsErrorScreenUp) {
  press(kKeyEnter);
  typeDigits("5");
  press(kKeyEnter);
  EXPECT_EQ(state(), S::ErrorScreen) << "the key that entered the letter does not also close the message";
  press(kKeyEnter);
  EXPECT_EQ(state(), S::Form);
  EXPECT_EQ(cursorRow(), 1);
}

TEST_F(MultiTapTest, ResetDropsAPendingLetter) {
  typeDigits("7");
  sim.reset();
  EXPECT_EQ(sim.pendingLetter(), std::nullopt);
  EXPECT_EQ(state(), S::MainPage);
  ticks(10);
  EXPECT_EQ(state(), S::MainPage);
}

}  // namespace
}  // namespace k60::sim::test
