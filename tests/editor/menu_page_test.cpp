// The menu page's model: the pass rule, the cuts and what OK writes. The controls
// themselves are driven through the real sheet in the Windows tests.
#include <gtest/gtest.h>

#include <vector>

#include "editor/menu_page.h"
#include "resources/editor_ids.h"
#include "template/lookup_record.h"
#include "tests/support/test_support.h"

namespace k60::editor {
namespace {

using k60::test::gb;
using k60::test::storeOf;

TEST(MenuModel, PassRuleForEveryCombinationOfTheOptions) {
  struct Case {
    bool separateFiles, saveTitle, saveSelected;
    std::uint8_t passBefore;
    bool passAfter, enabled;
  };
  const std::vector<Case> cases = {
      // With the separate-files option pass follows the save options and cannot be used.
      {true, true, false, 0, true, false},
      {true, false, true, 0, true, false},
      {true, false, false, 1, false, false},
      // Without it, pass keeps its value while a save option is on, and is cleared otherwise.
      {false, true, false, 1, true, true},
      {false, false, true, 0, false, true},
      {false, false, false, 1, false, false},
  };
  for (const Case& c : cases) {
    Template t = test::defaultTemplate();
    t.extension().setSeparateFiles(c.separateFiles);
    t.menu(0).setSaveTitle(c.saveTitle);
    t.menu(0).setSaveSelected(c.saveSelected);
    t.menu(0).setByte(MenuRecord::kPass, c.passBefore);
    MenuPageModel page(t);
    EXPECT_EQ(page.mark(IDC_MENU_PASS), c.passAfter) << c.separateFiles << c.saveTitle << c.saveSelected;
    EXPECT_EQ(page.passEnabled(), c.enabled) << c.separateFiles << c.saveTitle << c.saveSelected;
  }
}

TEST(MenuModel, ThePassRuleFollowsTheClicksAndOnlyTouchesTheMenuShown) {
  Template t = test::defaultTemplate();
  t.menu(3).setSaveTitle(true);
  MenuPageModel page(t);
  page.toggle(IDC_MENU_SEPARATE_FILES);
  page.toggle(IDC_MENU_SAVE_SELECTED);
  EXPECT_TRUE(page.mark(IDC_MENU_PASS));
  page.toggle(IDC_MENU_SAVE_SELECTED);
  EXPECT_FALSE(page.mark(IDC_MENU_PASS));
  EXPECT_FALSE(page.menuAt(3).pass()) << "menu 4 is not shown yet";
  page.show(3);
  EXPECT_TRUE(page.menuAt(3).pass());
}

TEST(MenuModel, ItemNamesAreCutAtTheFontsLimitAndStoredThroughThePutBack) {
  struct Case {
    std::uint8_t font;
    std::string typed;
    std::optional<std::string> shown;
  };
  const std::vector<Case> cases = {
      {1, "123456789012345", std::nullopt},
      {1, "1234567890123456", "123456789012345"},
      {0, "123456789012345678901", "12345678901234567890"},
      {1, "12345678901234" + gb("件"), "12345678901234"},  // never half a character
  };
  for (const Case& c : cases) {
    Template t = test::defaultTemplate();
    t.menu(0).setFont(c.font);
    MenuPageModel page(t);
    const TextAnswer answer = page.itemChanged(2, c.typed);
    EXPECT_EQ(answer.show, c.shown) << c.typed;
    if (!c.shown) continue;
    EXPECT_EQ(page.menu().itemName(2), "") << "not stored before the cut text comes back";
    page.itemChanged(2, *c.shown);
    EXPECT_EQ(page.menu().itemName(2), *c.shown);
  }
}

TEST(MenuModel, ApplyWritesTheMenusAndByteElevenOnly) {
  Template t = test::defaultTemplate();
  t.menu(2).setRunState(9);
  const auto before = storeOf(t);
  MenuPageModel page(t);
  page.show(2);
  EXPECT_EQ(page.titleChanged("123456789012345678901").show, "12345678901234567890");
  page.toggle(IDC_MENU_SEPARATE_FILES);
  page.apply(t);
  EXPECT_EQ(t.menu(2).title(), "12345678901234567890") << "a cut title is stored at once";
  EXPECT_TRUE(t.extension().separateFiles());
  const std::size_t title = blockSpan(Block::Menus).offset + 2 * kMenuRecordSize + MenuRecord::kTitle;
  const std::size_t eleven = blockSpan(Block::Extension).offset + ExtensionBlock::kSeparateFiles;
  const auto after = storeOf(t);
  for (std::size_t i = 0; i < after.size(); ++i)
    if ((i < title || i > title + 20) && i != eleven) EXPECT_EQ(after[i], before[i]) << "byte " << i;
}

}  // namespace
}  // namespace k60::editor
