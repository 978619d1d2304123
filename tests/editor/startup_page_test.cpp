// The start-up page's model (the separator's value and text boxes in step, the bytes its OK
// writes) and the prompt-page dialogs' rules. The real controls are the Windows tests'.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/prompt_pages.h"
#include "editor/startup_page.h"
#include "resources/editor_ids.h"
#include "tests/support/test_support.h"

namespace k60::editor {
namespace {

using k60::test::gb;

class StartupModelTest : public ::testing::Test {
 protected:
  void SetUp() override { resetToDefaults(t); }

  // What the page does with an answer: a partner write comes back as the partner's change.
  void typeValue(StartupPageModel& page, std::size_t i, const std::string& text) { follow(page, i, true, text); }
  void typeText(StartupPageModel& page, std::size_t i, const std::string& text) { follow(page, i, false, text); }
  void follow(StartupPageModel& page, std::size_t i, bool value, const std::string& text) {
    shown[value ? 0 : 1][i] = text;
    const PairAnswer a = value ? page.valueChanged(i, text) : page.textChanged(i, text);
    ASSERT_LT(++changes, 20) << "the boxes keep writing each other";
    if (a.self) follow(page, i, value, *a.self);
    if (a.partner) {
      follow(page, i, !value, *a.partner);
      page.partnerWritten();
    }
  }
  std::string value(std::size_t i) const { return shown[0][i]; }
  std::string text(std::size_t i) const { return shown[1][i]; }

  Template t;
  std::string shown[2][2];  // [value, text][character]
  int changes = 0;
};

TEST_F(StartupModelTest, AValueShowsItsCharacterAndACharacterItsValueOnce) {
  StartupPageModel page(t);
  typeValue(page, 0, "59");
  EXPECT_EQ(text(0), ";");
  EXPECT_EQ(changes, 2);
  typeText(page, 0, "A");
  EXPECT_EQ(value(0), "65");
  EXPECT_EQ(page.character(0), 65);
}

TEST_F(StartupModelTest, AnEchoThatNeverCameDoesNotSwallowTheNextChange) {
  StartupPageModel page(t);
  EXPECT_EQ(page.valueChanged(0, "44").partner, ",");
  page.partnerWritten();  // the text box held "," already and reported no change
  EXPECT_EQ(page.textChanged(0, "B").partner, "66");
}

TEST_F(StartupModelTest, BadValuesLeaveTheCharacterUntilTheirCorrectionArrives) {
  StartupPageModel fresh(t);
  typeValue(fresh, 0, "44");  // the page's first fill
  typeValue(fresh, 0, "300");
  EXPECT_EQ(value(0), "44") << "the box goes back to the last number it stored";
  EXPECT_EQ(fresh.character(0), 44);

  EXPECT_EQ(fresh.valueChanged(0, "x").self, "0");
  EXPECT_EQ(fresh.character(0), 44) << "kept until the 0 arrives as a change of its own";
  EXPECT_EQ(fresh.valueChanged(0, "0").partner, "");
  EXPECT_EQ(fresh.character(0), 0);
  EXPECT_EQ(fresh.valueChanged(0, "").self, std::nullopt) << "an empty box stays empty";
}

TEST_F(StartupModelTest, ASeparatorIsOneByte) {
  StartupPageModel page(t);
  typeText(page, 0, gb("中"));
  EXPECT_EQ(text(0), ",") << "a Chinese character is refused whole";
  EXPECT_EQ(page.character(0), 44);
  typeText(page, 0, "ab");
  EXPECT_EQ(text(0), "a");
  EXPECT_EQ(value(0), "97");
  typeText(page, 0, "a" + gb("中"));
  EXPECT_EQ(text(0), "a");
}

TEST_F(StartupModelTest, ACodeTheTextBoxCannotShowIsKept) {
  StartupPageModel page(t);
  EXPECT_EQ(page.valueChanged(0, "200").partner, std::string(1, '\xC8'));
  EXPECT_EQ(page.textChanged(0, "?").partner, std::nullopt) << "the box reads the lone byte back as '?'";
  page.partnerWritten();
  EXPECT_EQ(page.character(0), 200);
}

struct ApplyCase {
  int mode;
  std::uint8_t first, second;
  std::uint8_t byte0, byte1;
};

TEST_F(StartupModelTest, OkStoresTheSeparatorBytesByMode) {
  for (const ApplyCase& c : {ApplyCase{0, 59, 45, 0, 0}, ApplyCase{1, 59, 45, 59, 0}, ApplyCase{2, 59, 45, 59, 45},
                             ApplyCase{2, 59, 0, 59, 0}}) {
    StartupPageModel page(t);
    page.selectMode(static_cast<std::uint8_t>(c.mode));
    typeValue(page, 0, std::to_string(c.first));
    typeValue(page, 1, std::to_string(c.second));
    page.apply(t);
    EXPECT_EQ(t.startup().separatorByte(0), c.byte0) << "mode " << c.mode;
    EXPECT_EQ(t.startup().separatorByte(1), c.byte1) << "mode " << c.mode;
  }
}

// ---- Prompt-page dialogs ----

class PromptDialogTest : public StartupModelTest {};

// Main menu and confirm; the welcome dialog likewise leaves line 4 as its opening set it.
TEST_F(PromptDialogTest, ThreeLineDialogsLeaveTheFourthLineAsItWas) {
  for (int button : {IDC_PROMPT_WELCOME + 1, IDC_PROMPT_WELCOME + 4, IDC_PROMPT_WELCOME}) {
    const PromptDialog& d = *promptDialogOf(button);
    t.prompt(d.page).setLine(3, "kept");
    openPromptDialog(t, d);
    storePromptDialog(t, d, {"1", "2", "3", "4"});
    EXPECT_EQ(t.prompt(d.page).line(2), "3");
    EXPECT_EQ(t.prompt(d.page).line(3), d.fixedEnds ? gb("  版本 4.10  ") : "kept");
  }
}

TEST_F(PromptDialogTest, LinesAreCutAtTheirPageLimitWithoutSplittingACharacter) {
  const PromptDialog& main = *promptDialogOf(IDC_PROMPT_WELCOME + 1);
  const PromptDialog& utility = *promptDialogOf(IDC_PROMPT_WELCOME + 2);
  EXPECT_EQ(promptLineChanged(main, "1234567890123456").show, "123456789012345");
  EXPECT_EQ(promptLineChanged(main, "12345678901234" + gb("中")).show, "12345678901234");
  EXPECT_EQ(promptLineChanged(utility, "1234567890123456789" + gb("中")).show, "1234567890123456789");

  storePromptDialog(t, main, {"1234567890123456789", "x", "y"});
  EXPECT_EQ(t.prompt(PromptPageId::MainMenu).line(0), "123456789012345") << "the slot keeps its terminator";
}

}  // namespace
}  // namespace k60::editor
