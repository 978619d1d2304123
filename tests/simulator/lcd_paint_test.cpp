// The LCD paint list: order of cursor, alpha indicator, highlight bar and texts, the status
// line on the main page and a pending multi-tap letter, for the real interpreter's screens.
#include "simulator/face_bitmaps.h"
#include "simulator/lcd_paint.h"
#include "tests/simulator/simulator_fixture.h"

namespace k60::sim::test {
namespace {

// One draw as a short word: "bmp 541 @56,62" or "black @26,52 Qty:".
std::string describe(const LcdDraw& d) {
  const std::string at = "@" + std::to_string(d.at.x) + "," + std::to_string(d.at.y);
  if (d.kind == LcdDraw::Kind::Bitmap) return "bmp " + std::to_string(d.bitmap) + " " + at;
  return std::string(d.white ? "white " : "black ") + at + " " + d.gb;
}

std::vector<std::string> describe(const std::vector<LcdDraw>& draws) {
  std::vector<std::string> out;
  for (const LcdDraw& d : draws) out.push_back(describe(d));
  return out;
}

class LcdPaintTest : public SimulatorTest {
 protected:
  std::vector<std::string> paint() const { return describe(lcdPaint(sim)); }
  // A form whose line 1 holds exactly 20 bytes, line 3 is empty and line 7 is filled.
  FormRecord fullForm() {
    const FormRecord f = form(1);
    setLine(f, 0, DataType::Text, "Name:");
    setLine(f, 1, DataType::Prompt, gb("二十个字节的一行文本"));
    setLine(f, 2, DataType::Integer, "Qty:");
    setLine(f, 7, DataType::Prompt, "STALE ROW 7");
    return f;
  }
};

TEST_F(LcdPaintTest, MainPageDrawsItsLinesThenTheStatusLineInsteadOfRowSeven) {
  fullForm();
  run();
  press(kKeyEsc);
  ASSERT_EQ(state(), SimulatorState::MainPage);
  ASSERT_EQ(line(7), "STALE ROW 7") << "the main page leaves row 7's bytes in place";

  std::vector<std::string> expected = {"bmp 542 @26,53"};
  for (int row = 0; row < 7; ++row) {
    if (line(row).empty()) continue;
    const std::string colour = row == 0 ? "white" : "black";
    expected.push_back(colour + " @26," + std::to_string(52 + 10 * row) + " " + line(row));
  }
  expected.push_back("bmp 545 @26,122");
  expected.push_back("black @26,122 JAN  6,  9:5   00000");
  EXPECT_EQ(paint(), expected);
  EXPECT_GE(expected.size(), 5u) << "the default main page has text";
}

TEST_F(LcdPaintTest, FormDrawsCursorFirstThenEveryNonEmptyLineBlackWithoutBar) {
  fullForm();
  run();
  typeDigits("12");
  ASSERT_EQ(state(), SimulatorState::Form);
  ASSERT_EQ(line(1).size(), 20u);
  EXPECT_EQ(paint(), (std::vector<std::string>{
                         "bmp 541 @68,52",
                         "black @26,52 Name:12",
                         "black @26,62 " + line(1),
                         "black @26,72 Qty:",
                         "black @26,122 STALE ROW 7",
                     }));
}

TEST_F(LcdPaintTest, AlphaIndicatorAndPendingLetterAreDrawnAndTheLetterComesLast) {
  fullForm();
  run();
  press(kKeyAlpha);
  typeDigits("22");
  ASSERT_EQ(sim.pendingLetter(), 'W');
  const std::vector<std::string> draws = paint();
  ASSERT_GE(draws.size(), 4u);
  EXPECT_EQ(draws[0], "bmp 541 @56,52");
  EXPECT_EQ(draws[1], "bmp 543 @146,114");
  EXPECT_EQ(draws[2], "black @26,52 Name:");
  EXPECT_EQ(std::vector<std::string>(draws.end() - 2, draws.end()),
            (std::vector<std::string>{"bmp 541 @56,52", "black @56,52 W"}));

  ticks(7);
  ASSERT_EQ(sim.pendingLetter(), std::nullopt);
  EXPECT_EQ(paint().back(), "black @26,122 STALE ROW 7") << "an entered letter is drawn with its line";
  EXPECT_EQ(paint()[0], "bmp 541 @62,52");
}

TEST_F(LcdPaintTest, HighlightEightInvertsTheBottomLineOutsideTheMainPage) {
  typeDigits("3");
  typeDigits("1");
  ASSERT_EQ(state(), SimulatorState::SettingsPage);
  ASSERT_EQ(sim.screen().highlight(), 8);
  const std::vector<std::string> draws = paint();
  ASSERT_GE(draws.size(), 2u);
  EXPECT_EQ(draws[draws.size() - 2], "bmp 542 @26,123");
  EXPECT_EQ(draws.back(), "white @26,122 " + line(7));
  for (std::size_t i = 0; i + 2 < draws.size(); ++i) EXPECT_EQ(draws[i].rfind("black", 0), 0u) << draws[i];
}

TEST_F(LcdPaintTest, HighlightZeroDrawsNoBarAndTheCursorStaysHiddenOutsideForms) {
  typeDigits("2");
  ASSERT_EQ(state(), SimulatorState::ConnectingPage);
  ASSERT_EQ(sim.screen().highlight(), 0);
  for (const std::string& d : paint()) {
    EXPECT_EQ(d.rfind("black", 0), 0u) << "no bar, no cursor, no white text: " << d;
    EXPECT_EQ(d.find("@26,122"), std::string::npos) << "no status line: " << d;
  }
}

TEST(LcdDirectPaint, StatusLineAndPendingLetterDrawTheirBackgroundFirst) {
  EXPECT_EQ(describe(statusLinePaint("JAN  6,  9:5   00012")),
            (std::vector<std::string>{"bmp 545 @26,122", "black @26,122 JAN  6,  9:5   00012"}));
  EXPECT_EQ(describe(pendingLetterPaint('K', 3, 19)),
            (std::vector<std::string>{"bmp 541 @140,82", "black @140,82 K"}));
}

}  // namespace
}  // namespace k60::sim::test
