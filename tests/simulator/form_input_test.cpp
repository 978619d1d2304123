// Forms: start, moves between input lines, minimum length, completion, scrolling, maximum
// length, continuation lines, deletion, initial values and error screens.
#include "tests/simulator/simulator_fixture.h"

namespace k60::sim::test {
namespace {

using S = SimulatorState;

TEST_F(SimulatorTest, FormStartsOnItsFirstInputLineAndChecksMinimumLengthOnEnter) {
  FormRecord f = form(1);
  setLine(f, 0, DataType::Prompt, "Stock count");
  setLine(f, 1, DataType::Integer, "Qty:", 10, 3);
  setLine(f, 2, DataType::FixedData, "--");
  setLine(f, 3, DataType::Integer, "Bin:");
  f.setNextTarget(1);
  run();
  EXPECT_EQ(state(), S::Form);
  EXPECT_EQ(f.inputLineCount(), 4);
  EXPECT_EQ(line(0), "Stock count");
  EXPECT_EQ(line(1), "Qty:");
  EXPECT_EQ(line(2), "--");
  EXPECT_EQ(line(4), "");
  EXPECT_EQ(cursorRow(), 1);
  EXPECT_EQ(cursorColumn(), 4);
  EXPECT_EQ(sim.screen().highlight(), 0);
  EXPECT_TRUE(sim.showsCursor());

  typeDigits("12");
  EXPECT_EQ(line(1), "Qty:12");
  EXPECT_EQ(cursorColumn(), 6);
  EXPECT_EQ(lastRepaint(), "row 1");
  press(kKeyDown);
  EXPECT_EQ(cursorRow(), 1) << "down does nothing in a form";

  press(kKeyEnter);
  EXPECT_EQ(state(), S::ErrorScreen);
  EXPECT_EQ(line(1), "Qty:12") << "rows 0..3 stay";
  EXPECT_EQ(line(4), "********************");
  EXPECT_EQ(line(5), gb("数据过短!       "));
  EXPECT_EQ(line(6), gb("按任意键...     "));
  EXPECT_EQ(line(7), "********************");
  EXPECT_FALSE(sim.showsCursor());

  typeDigits("9");
  EXPECT_EQ(state(), S::Form);
  EXPECT_EQ(line(1), "Qty:12") << "the key that closes the error screen types nothing";
  EXPECT_EQ(line(4), "");
  EXPECT_EQ(cursorColumn(), 6);
  typeDigits("3");
  press(kKeyEnter);
  EXPECT_EQ(cursorRow(), 3);
  EXPECT_EQ(lastRepaint(), "whole");
  typeDigits("7");
  press(kKeyUp);
  EXPECT_EQ(cursorRow(), 1);
  EXPECT_EQ(cursorColumn(), 7) << "back at the end of the data";
  press(kKeyUp);
  EXPECT_EQ(cursorRow(), 1) << "no input line above";
  press(kKeyEnter);
  press(kKeyEnter);
  EXPECT_EQ(sim.screen().recordCounter(), 1);
  EXPECT_EQ(sim.currentTarget(), 1);
  EXPECT_EQ(line(1), "Qty:") << "the form starts again with empty fields";
  EXPECT_EQ(cursorRow(), 1);
}

TEST_F(SimulatorTest, DataTypesRefuseCharactersWithErrorScreenOne) {
  const FormRecord f = form(1);
  setLine(f, 0, DataType::Integer, "I:");
  setLine(f, 1, DataType::Real, "R:");
  setLine(f, 2, DataType::Character, "C:");
  setLine(f, 3, DataType::Text, "T:");
  run();
  typeDigits(".");
  EXPECT_EQ(state(), S::ErrorScreen);
  EXPECT_EQ(line(5), gb("数据类型错误!   "));
  press(kKeyEnter);
  EXPECT_EQ(line(0), "I:") << "the refused character is not stored";
  typeDigits("4");
  press(kKeyEnter);
  typeDigits("3.5");
  EXPECT_EQ(line(1), "R:3.5");
  press(kKeyEnter);
  typeDigits("1");
  EXPECT_EQ(state(), S::ErrorScreen);
  press(kKeyEsc);
  press(kKeySpace);
  EXPECT_EQ(state(), S::ErrorScreen) << "a blank is not a letter";
  press(kKeyEsc);
  press(kKeyAlpha);
  typeDigits("7");
  ticks(7);
  EXPECT_EQ(line(2), "C:A");
  press(kKeyEnter);
  press(kKeySpace);
  typeDigits("0");
  EXPECT_EQ(line(3), "T: ") << "the letter waits";
  EXPECT_EQ(sim.pendingLetter(), '+');
  ticks(7);
  EXPECT_EQ(line(3), "T: +");
}

TEST_F(SimulatorTest, LongDataScrollsAtTheLastColumnAndBackspaceScrollsBack) {
  const FormRecord f = form(1);
  setLine(f, 0, DataType::Text, "Code:", 30);
  run();
  typeDigits("12345678901234");
  EXPECT_EQ(line(0), "Code:12345678901234");
  EXPECT_EQ(cursorColumn(), 19);
  typeDigits("5");
  EXPECT_EQ(line(0), "Code:23456789012345");
  EXPECT_EQ(cursorColumn(), 19);
  EXPECT_EQ(lastRepaint(), "row 0");
  press(kKeyBackspace);
  EXPECT_EQ(line(0), "Code:12345678901234");
  EXPECT_EQ(cursorColumn(), 19);
  press(kKeyBackspace);
  EXPECT_EQ(line(0), "Code:1234567890123");
  EXPECT_EQ(cursorColumn(), 18);
  EXPECT_EQ(lastRepaint(), "row 0");
}

TEST_F(SimulatorTest, BeyondTheMaximumLengthTheLastCharacterIsReplaced) {
  const FormRecord f = form(1);
  setLine(f, 0, DataType::Integer, "N:", 3);
  run();
  typeDigits("12345");
  EXPECT_EQ(line(0), "N:125");
  EXPECT_EQ(cursorColumn(), 4) << "the cursor stands on the last character";
  press(kKeyBackspace);
  EXPECT_EQ(line(0), "N:12");
  EXPECT_EQ(cursorColumn(), 4);
  press(kKeyBackspace);
  EXPECT_EQ(line(0), "N:1");
  EXPECT_EQ(cursorColumn(), 3);
  press(kKeyBackspace, 3);
  EXPECT_EQ(line(0), "N:");
  EXPECT_EQ(cursorColumn(), 2);
}

TEST_F(SimulatorTest, FullScrolledLineLosesItsLastCharacterForGood) {
  const FormRecord f = form(1);
  setLine(f, 0, DataType::Text, "Code:", 20);
  run();
  typeDigits("12345678901234567890");
  EXPECT_EQ(line(0), "Code:678901234567890");
  EXPECT_EQ(cursorColumn(), 19);
  press(kKeyBackspace);
  EXPECT_EQ(line(0), "Code:67890123456789");
  press(kKeyBackspace);
  EXPECT_EQ(line(0), "Code:56789012345678");
  typeDigits("5");
  EXPECT_EQ(line(0), "Code:67890123456785") << "the deleted 20th character does not come back";
}

TEST_F(SimulatorTest, ContinuationLineTakesTheOverflowAndBackspaceReturns) {
  t.form(0).setFont(1);
  const FormRecord f = t.form(0);
  setLine(f, 0, DataType::Text, "Item:", 16);
  setLine(f, 1, DataType::Continuation, "");
  setLine(f, 2, DataType::Integer, "Qty:");
  fixContinuations(f);
  EXPECT_EQ(f.maxLength(1), 6);
  run();
  typeDigits("123456789");
  EXPECT_EQ(cursorColumn(), 14) << "large font: column 14 is the last";
  typeDigits("0");
  EXPECT_EQ(cursorRow(), 1);
  EXPECT_EQ(cursorColumn(), 0);
  EXPECT_EQ(line(0), "Item:1234567890");
  EXPECT_EQ(lastRepaint(), "whole");
  typeDigits("12");
  EXPECT_EQ(line(1), "12");
  press(kKeyEnter);
  EXPECT_EQ(cursorRow(), 2);
  press(kKeyUp);
  EXPECT_EQ(cursorRow(), 1) << "up lands on the continuation that holds data";
  press(kKeyBackspace, 3);
  EXPECT_EQ(line(1), "");
  EXPECT_EQ(cursorRow(), 0) << "BS on the empty continuation line returns to the line above";
  EXPECT_EQ(cursorColumn(), 14);
  press(kKeyBackspace);
  EXPECT_EQ(line(0), "Item:123456789") << "the overflowed character goes first";
  EXPECT_EQ(cursorColumn(), 14);
  press(kKeyBackspace);
  EXPECT_EQ(line(0), "Item:12345678");
  EXPECT_EQ(cursorColumn(), 13);
}

TEST_F(SimulatorTest, EnterMovesDownToTheEndOfAContinuedField) {
  t.form(0).setFont(1);
  FormRecord f = t.form(0);
  setLine(f, 0, DataType::Integer, "A:");
  setLine(f, 1, DataType::Text, "B:", 40);
  setLine(f, 2, DataType::Continuation, "");
  setLine(f, 3, DataType::Continuation, "");
  fixContinuations(f);
  run();
  press(kKeyEnter);
  typeDigits("1234567890123");
  EXPECT_EQ(cursorRow(), 2);
  typeDigits("123456789012345");
  EXPECT_EQ(cursorRow(), 3);
  typeDigits("77");
  EXPECT_EQ(line(2), "123456789012345");
  EXPECT_EQ(line(3), "77");
  press(kKeyUp);
  EXPECT_EQ(cursorRow(), 0);
  press(kKeyEnter);
  EXPECT_EQ(cursorRow(), 3);
  EXPECT_EQ(cursorColumn(), 2);
}

TEST_F(SimulatorTest, FormWithoutInputLinesIsCompletedByEnter) {
  FormRecord first = form(1);
  setLine(first, 0, DataType::Integer, "N:");
  first.setNextTarget(2);
  FormRecord second = form(2);
  setLine(second, 0, DataType::Prompt, "Done");
  second.setNextTarget(0);
  run();
  press(kKeyEnter);
  EXPECT_EQ(sim.currentTarget(), 2);
  EXPECT_EQ(second.inputLineCount(), 0);
  press(kKeyEnter);
  EXPECT_EQ(state(), S::MainPage);
  EXPECT_EQ(sim.screen().recordCounter(), 2);
  ticks(1);
  EXPECT_EQ(host.statusLines.back().substr(15), "00002");
}

// Without an input line the current line is 0, whose prompt may fill the row: no cursor is
// shown, and no key that enters a character (digit, blank, letter) changes anything.
TEST_F(SimulatorTest, FormWithoutInputLineShowsNoCursorAndTakesNoCharacters) {
  struct Case {
    const char* name;
    DataType type;
    std::string prompt;
  };
  const Case cases[] = {
      {"twenty-byte prompt", DataType::Prompt, "ABCDEFGHIJKLMNOPQRST"},
      {"continuation line 0", DataType::Continuation, "C:"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    resetToDefaults(t);
    FormRecord first = form(1);
    setLine(first, 0, DataType::Integer, "N:");
    first.setNextTarget(2);
    FormRecord f = form(2);
    f.setDataType(0, c.type);
    const auto slot = f.promptSlot(0);
    std::fill(slot.begin(), slot.end(), 0);
    std::copy(c.prompt.begin(), c.prompt.end(), slot.begin());
    f.setNextTarget(0);
    sim.reset();
    run();
    press(kKeyEnter);
    ASSERT_EQ(sim.currentTarget(), 2);
    ASSERT_EQ(state(), S::Form);
    EXPECT_FALSE(sim.showsCursor());
    const std::string shown = line(0);
    typeDigits("12");
    press(kKeySpace);
    press(kKeyBackspace);
    press(kKeyAlpha);
    typeDigits("1");
    EXPECT_FALSE(sim.pendingLetter()) << "no letter waits without a cursor";
    ticks(7);
    EXPECT_TRUE(host.shownLetters.empty());
    EXPECT_EQ(state(), S::Form);
    EXPECT_EQ(line(0), shown);
    EXPECT_FALSE(sim.showsCursor());
    press(kKeyAlpha);
    press(kKeyEnter);
    EXPECT_EQ(state(), S::MainPage) << "Enter still completes the form";
  }
}

TEST_F(SimulatorTest, TypingReplacesAnInitialValue) {
  FormRecord f = form(1);
  setLine(f, 0, DataType::Text, "Loc:");
  setLine(f, 1, DataType::Text, "Op:", 50, 2);
  f.setInitialOn(0, true);
  f.setInitialValue(0, "A-17");
  f.setInitialOn(1, true);
  f.setInitialValue(1, "XY");
  run();
  EXPECT_EQ(line(0), "Loc:A-17");
  EXPECT_EQ(cursorColumn(), 4);
  press(kKeyBackspace);
  EXPECT_EQ(line(0), "Loc:A-17") << "nothing typed yet: BS does nothing";
  EXPECT_EQ(cursorColumn(), 4);
  typeDigits("5");
  EXPECT_EQ(line(0), "Loc:5");
  EXPECT_EQ(cursorColumn(), 5);
  press(kKeyEnter);
  press(kKeyBackspace);
  EXPECT_EQ(line(1), "Op:XY");
  typeDigits("7");
  EXPECT_EQ(line(1), "Op:7");
  press(kKeyEnter);
  EXPECT_EQ(state(), S::ErrorScreen) << "the typed value replaced the initial one";
}

TEST_F(SimulatorTest, BackspaceOnAContinuationShowingItsInitialValueReturnsToTheLineAbove) {
  FormRecord f = form(1);
  setLine(f, 0, DataType::Text, "A:");
  setLine(f, 1, DataType::Continuation, "");
  setLine(f, 2, DataType::Integer, "N:");
  f.setInitialOn(1, true);
  f.setInitialValue(1, "XY");
  run();
  press(kKeyEnter);
  EXPECT_EQ(cursorRow(), 2);
  press(kKeyUp);
  EXPECT_EQ(cursorRow(), 1) << "the continuation holds data";
  press(kKeyBackspace);
  EXPECT_EQ(cursorRow(), 0);
  EXPECT_EQ(line(1), "XY");
  EXPECT_EQ(lastRepaint(), "whole");
}

TEST_F(SimulatorTest, UntouchedInitialValueMeetsTheMinimumLength) {
  FormRecord f = form(1);
  setLine(f, 0, DataType::Text, "Op:", 50, 2);
  f.setInitialOn(0, true);
  f.setInitialValue(0, "XY");
  run();
  press(kKeyEnter);
  EXPECT_EQ(sim.screen().recordCounter(), 1);
}

TEST_F(SimulatorTest, MaximumLengthZeroTakesNoCharacters) {
  const FormRecord f = form(1);
  setLine(f, 0, DataType::Text, "X:", 0);
  setLine(f, 1, DataType::Integer, "N:", 0);
  run();
  typeDigits("12");
  press(kKeySpace);
  EXPECT_EQ(state(), S::Form) << "typing past the maximum is no error";
  EXPECT_EQ(line(0), "X:");
  EXPECT_EQ(cursorColumn(), 2);
  press(kKeyAlpha);
  typeDigits("7");
  ticks(7);
  EXPECT_EQ(state(), S::Form);
  EXPECT_EQ(line(0), "X:") << "nor is a multi-tap letter";
  press(kKeyBackspace);
  EXPECT_EQ(line(0), "X:");
  press(kKeyEnter);
  typeDigits("7");
  ticks(7);
  EXPECT_EQ(state(), S::ErrorScreen) << "the data type is checked first";
  EXPECT_EQ(line(5), gb("数据类型错误!   "));
  press(kKeyAlpha);
  press(kKeyEnter);
  EXPECT_EQ(sim.screen().recordCounter(), 1);
}

TEST_F(SimulatorTest, PromptAndDataNeverPassTwentyColumns) {
  const FormRecord f = form(1);
  setLine(f, 0, DataType::Text, "12345678901234567890");
  setLine(f, 1, DataType::Prompt, "abcdefghijklmnopqrst");
  run();
  EXPECT_EQ(line(0), "123456789012345678") << "an input line keeps a column for data and one for the cursor";
  EXPECT_EQ(line(1), "abcdefghijklmnopqrst");
  EXPECT_EQ(cursorColumn(), 18);
  typeDigits("12");
  EXPECT_EQ(line(0), "1234567890123456782");
  EXPECT_EQ(cursorColumn(), 19);
}

TEST_F(SimulatorTest, LargeFontPromptsOfFourteenAndFifteenCharactersShowWhole) {
  t.form(0).setFont(1);
  const FormRecord f = t.form(0);
  setLine(f, 0, DataType::Text, "Location code:", 20);
  setLine(f, 1, DataType::Text, "Shelf location:", 20);
  run();
  EXPECT_EQ(line(0), "Location code:");
  EXPECT_EQ(line(1), "Shelf location:");
  EXPECT_EQ(cursorColumn(), 14);
  typeDigits("1");
  EXPECT_EQ(line(0), "Location code:1");
  EXPECT_EQ(cursorColumn(), 15);
  typeDigits("2");
  EXPECT_EQ(line(0), "Location code:2") << "the data scrolls behind the whole prompt";
  EXPECT_EQ(cursorColumn(), 15);
  press(kKeyBackspace);
  EXPECT_EQ(line(0), "Location code:1");
  EXPECT_EQ(cursorColumn(), 15);
  press(kKeyEnter);
  EXPECT_EQ(cursorColumn(), 15);
  typeDigits("34");
  EXPECT_EQ(line(1), "Shelf location:4");
  EXPECT_EQ(cursorColumn(), 16);
}

// The continuation length counts the whole prompt; the line must hold just what is left.
TEST_F(SimulatorTest, FieldAfterALongPromptHoldsItsMaximumLengthOverItsContinuation) {
  t.form(0).setFont(1);
  const FormRecord f = t.form(0);
  setLine(f, 0, DataType::Text, "Location code:", 10);
  setLine(f, 1, DataType::Continuation, "");
  fixContinuations(f);
  ASSERT_EQ(f.maxLength(1), 9);
  run();
  typeDigits("1");
  EXPECT_EQ(cursorRow(), 1) << "column 14 is the last input column";
  EXPECT_EQ(line(0), "Location code:1");
  typeDigits("23456789012");
  EXPECT_EQ(line(1), "234567892") << "one character on the line, nine on its continuation";
}

TEST_F(SimulatorTest, TwentyCharacterPromptLeavesADataColumnAndTheCursorColumn) {
  t.form(0).setFont(1);
  FormRecord f = t.form(0);
  setLine(f, 0, DataType::Integer, "", 3);
  const auto slot = f.promptSlot(0);
  const std::string prompt = "abcdefghijklmnopqrst";
  std::copy(prompt.begin(), prompt.end(), slot.begin());
  run();
  EXPECT_EQ(line(0), prompt.substr(0, 18));
  EXPECT_EQ(cursorColumn(), 18);
  typeDigits("12");
  EXPECT_EQ(line(0), prompt.substr(0, 18) + "2");
  EXPECT_EQ(cursorColumn(), 19);
  typeDigits("34");
  EXPECT_EQ(line(0), prompt.substr(0, 18) + "24") << "the third character is replaced";
  EXPECT_EQ(cursorColumn(), 19);
  press(kKeyBackspace, 2);
  EXPECT_EQ(line(0), prompt.substr(0, 18) + "1");
  EXPECT_EQ(cursorColumn(), 19);
  press(kKeyBackspace);
  EXPECT_EQ(line(0), prompt.substr(0, 18));
  EXPECT_EQ(cursorColumn(), 18);
}

}  // namespace
}  // namespace k60::sim::test
