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

// Character 1's boxes as the real page drives them: a write into a box arrives at once as
// that box's change, unless the box held that text already; a lone byte above 0x7F reads
// back as '?', as a Unicode box shows it. The page's first fill writes the value box.
struct PairDriver {
  explicit PairDriver(Template& t) : page(t) { type(true, page.valueText(0)); }

  void type(bool valueBox, const std::string& text) {
    (valueBox ? value : chars) = text;
    ASSERT_LT(++changes, 20) << "the boxes keep writing each other";
    const PairAnswer a = valueBox ? page.valueChanged(0, text) : page.textChanged(0, text);
    if (a.self) write(valueBox, *a.self);
    if (a.partner) {
      write(!valueBox, *a.partner);
      page.partnerWritten();
    }
  }
  void write(bool valueBox, const std::string& text) {
    const bool lone = text.size() == 1 && static_cast<unsigned char>(text[0]) > 0x7F;
    if ((valueBox ? value : chars) != text) type(valueBox, lone ? "?" : text);
  }

  StartupPageModel page;
  std::string value, chars;
  int changes = 0;
};

TEST(StartupModel, TheValueAndTextBoxesKeepInStep) {
  constexpr bool V = true, T = false;
  struct Step {
    bool valueBox;
    std::string typed, value, text;  // typed, then what the two boxes show
    int code;                        // the character the page holds
  };
  const std::vector<std::pair<const char*, std::vector<Step>>> cases = {
      {"a value shows its character, a character its value", {{V, "59", "59", ";", 59}, {T, "A", "65", "A", 65}}},
      {"a partner that held its text already", {{V, "44", "44", ",", 44}, {T, "B", "66", "B", 66}}},
      {"a number above 255 goes back to the last", {{T, "A", "65", "A", 65}, {V, "300", "65", "A", 65}}},
      {"a letter turns the value into 0", {{V, "x", "0", "", 0}}},
      {"an empty value box stays empty", {{V, "", "", ",", 44}}},
      {"a separator is one byte",
       {{T, gb("中"), "44", ",", 44}, {T, "ab", "97", "a", 97}, {T, "a" + gb("中"), "97", "a", 97}}},
      {"a code the text box cannot show is kept", {{V, "200", "200", "?", 200}}},
  };
  for (const auto& [name, steps] : cases) {
    Template t = test::defaultTemplate();
    PairDriver boxes(t);
    for (const Step& s : steps) {
      boxes.type(s.valueBox, s.typed);
      EXPECT_EQ(boxes.value, s.value) << name << ", typed " << s.typed;
      EXPECT_EQ(boxes.chars, s.text) << name << ", typed " << s.typed;
      EXPECT_EQ(boxes.page.character(0), s.code) << name << ", typed " << s.typed;
    }
  }
}

TEST(StartupModel, OkStoresTheSeparatorBytesByMode) {
  struct Case {
    std::uint8_t mode, byte0, byte1;
  };
  for (const Case& c : {Case{0, 0, 0}, Case{1, 59, 0}, Case{2, 59, 45}}) {
    Template t = test::defaultTemplate();
    t.startup().setSeparator(SeparatorMode::Two, 59, 45);
    StartupPageModel page(t);
    page.selectMode(c.mode);
    page.apply(t);
    EXPECT_EQ(t.startup().separatorByte(0), c.byte0) << "mode " << int(c.mode);
    EXPECT_EQ(t.startup().separatorByte(1), c.byte1) << "mode " << int(c.mode);
  }
}

// Main menu, confirm and welcome store lines 1 to 3, each cut to its slot; line 4 stays as it
// was, or as the welcome dialog's opening set it. A typed line is cut at its page's limit,
// never through a Chinese character.
TEST(PromptDialogs, LinesAreCutAndThreeLineDialogsStoreLinesOneToThree) {
  for (int button : {IDC_PROMPT_WELCOME + 1, IDC_PROMPT_WELCOME + 4, IDC_PROMPT_WELCOME}) {
    Template t = test::defaultTemplate();
    const PromptDialog& d = *promptDialogOf(button);
    t.prompt(d.page).setLine(3, "kept");
    openPromptDialog(t, d);
    storePromptDialog(t, d, {"1234567890123456789", "2", "3", "4"});
    EXPECT_EQ(t.prompt(d.page).line(0), "123456789012345") << d.resource << ": the slot keeps its terminator";
    EXPECT_EQ(t.prompt(d.page).line(2), "3") << d.resource;
    EXPECT_EQ(t.prompt(d.page).line(3), d.fixedEnds ? gb("  版本 4.10  ") : "kept") << d.resource;
    EXPECT_EQ(promptLineChanged(d, "12345678901234" + gb("中")).show, "12345678901234") << d.resource;
  }
  const PromptDialog& utility = *promptDialogOf(IDC_PROMPT_WELCOME + 2);
  EXPECT_EQ(promptLineChanged(utility, "1234567890123456789" + gb("中")).show, "1234567890123456789");
}

}  // namespace
}  // namespace k60::editor
