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

using k60::test::storeOf;

// Menus 1 and 4 are set up alike: the rule runs on menu 1 at once, on menu 4 once it is shown.
TEST(MenuModel, PassRuleForEveryCombinationOfTheOptionsOnTheMenuShown) {
  struct Case {
    bool separateFiles, saveTitle, saveSelected;
    std::uint8_t passBefore;
    bool passAfter, enabled;
  };
  const std::vector<Case> cases = {
      // With the separate-files option pass follows the save options and cannot be used.
      {true, true, false, 0, true, false},
      {true, false, false, 1, false, false},
      // Without it, pass keeps its value while a save option is on, and is cleared otherwise.
      {false, true, false, 1, true, true},
      {false, false, true, 0, false, true},
      {false, false, false, 1, false, false},
  };
  for (const Case& c : cases) {
    Template t = test::defaultTemplate();
    t.extension().setSeparateFiles(c.separateFiles);
    for (std::size_t m : {0, 3}) {
      t.menu(m).setSaveTitle(c.saveTitle);
      t.menu(m).setSaveSelected(c.saveSelected);
      t.menu(m).setByte(MenuRecord::kPass, c.passBefore);
    }
    MenuPageModel page(t);
    EXPECT_EQ(page.menuAt(3).pass(), c.passBefore != 0) << "menu 4 is not shown yet";
    for (std::size_t m : {0, 3}) {
      page.show(m);
      EXPECT_EQ(page.mark(IDC_MENU_PASS), c.passAfter) << c.separateFiles << c.saveTitle << c.saveSelected << m;
      EXPECT_EQ(page.passEnabled(), c.enabled) << c.separateFiles << c.saveTitle << c.saveSelected << m;
    }
  }
}

// Titles are cut at 20 and stored at once; item names are cut at the line width of the menu's
// font and stored only once the cut text comes back into the box.
TEST(MenuModel, TheCutsAndApplyWritingTheMenusAndByteElevenOnly) {
  Template t = test::defaultTemplate();
  t.menu(2).setRunState(9);
  t.menu(2).setFont(0);
  Template expected = t;
  MenuPageModel page(t);
  EXPECT_EQ(page.itemChanged(4, "123456789012345").show, std::nullopt) << "menu 1 has the large font";
  EXPECT_EQ(page.itemChanged(5, "1234567890123456").show, "123456789012345");
  page.show(2);
  EXPECT_EQ(page.titleChanged("123456789012345678901").show, "12345678901234567890");
  EXPECT_EQ(page.itemChanged(0, "123456789012345678901").show, "12345678901234567890");
  page.toggle(IDC_MENU_SEPARATE_FILES);
  page.apply(t);
  expected.menu(2).setTitle("12345678901234567890");
  expected.menu(0).setItemName(4, "123456789012345");
  expected.extension().setSeparateFiles(true);
  EXPECT_EQ(storeOf(t), storeOf(expected));
}

}  // namespace
}  // namespace k60::editor
