// The menu page's model: the pass rule, the cuts, the targets and what OK writes. The
// controls themselves are driven through the real sheet in the Windows tests.
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

class MenuModelTest : public ::testing::Test {
 protected:
  void SetUp() override { resetToDefaults(t); }
  Template t;
};

TEST_F(MenuModelTest, PassRuleForEveryCombinationOfTheOptions) {
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
      // Without it, pass keeps its value while a save option is on...
      {false, true, false, 1, true, true},
      {false, false, true, 0, false, true},
      {false, true, true, 1, true, true},
      // ...and is cleared when neither is.
      {false, false, false, 1, false, false},
  };
  for (const Case& c : cases) {
    resetToDefaults(t);
    t.extension().setSeparateFiles(c.separateFiles);
    MenuRecord m = t.menu(0);
    m.setSaveTitle(c.saveTitle);
    m.setSaveSelected(c.saveSelected);
    m.setByte(MenuRecord::kPass, c.passBefore);
    MenuPageModel page(t);
    EXPECT_EQ(page.mark(IDC_MENU_PASS), c.passAfter) << c.separateFiles << c.saveTitle << c.saveSelected;
    EXPECT_EQ(page.passEnabled(), c.enabled) << c.separateFiles << c.saveTitle << c.saveSelected;
  }
}

TEST_F(MenuModelTest, SaveOptionsDrivePassWithTheSeparateFilesOption) {
  MenuPageModel page(t);
  EXPECT_TRUE(page.toggle(IDC_MENU_SEPARATE_FILES));
  EXPECT_TRUE(page.toggle(IDC_MENU_SAVE_TITLE));
  EXPECT_TRUE(page.mark(IDC_MENU_PASS));
  EXPECT_FALSE(page.passEnabled());
  EXPECT_FALSE(page.toggle(IDC_MENU_SAVE_TITLE));
  EXPECT_FALSE(page.mark(IDC_MENU_PASS));
}

TEST_F(MenuModelTest, WithoutTheOptionPassTogglesOnlyWhileASaveOptionIsOn) {
  MenuPageModel page(t);
  EXPECT_FALSE(page.passEnabled());
  page.toggle(IDC_MENU_SAVE_SELECTED);
  ASSERT_TRUE(page.passEnabled());
  EXPECT_TRUE(page.toggle(IDC_MENU_PASS));
  page.toggle(IDC_MENU_SAVE_SELECTED);
  EXPECT_FALSE(page.mark(IDC_MENU_PASS));
  EXPECT_FALSE(page.passEnabled());
}

TEST_F(MenuModelTest, ThePassRuleOnlyTouchesTheMenuShown) {
  t.menu(3).setSaveTitle(true);
  MenuPageModel page(t);
  page.toggle(IDC_MENU_SEPARATE_FILES);
  EXPECT_FALSE(page.menuAt(3).pass()) << "menu 4 is not shown yet";
  page.show(3);
  EXPECT_TRUE(page.menuAt(3).pass());
  EXPECT_TRUE(page.mark(IDC_MENU_SAVE_TITLE));
  EXPECT_FALSE(page.mark(IDC_MENU_SAVE_SELECTED));
}

TEST_F(MenuModelTest, TitleAndItemNamesAreCutAtTheirLimits) {
  struct Case {
    std::uint8_t font;
    std::string typed;
    std::optional<std::string> shown;
  };
  const std::vector<Case> cases = {
      {1, "123456789012345", std::nullopt},
      {1, "1234567890123456", "123456789012345"},
      {0, "12345678901234567890", std::nullopt},
      {0, "123456789012345678901", "12345678901234567890"},
      {1, "12345678901234" + gb("件"), "12345678901234"},  // never half a character
  };
  for (const Case& c : cases) {
    t.menu(0).setFont(c.font);
    MenuPageModel page(t);
    EXPECT_EQ(page.itemLimit(), c.font ? 15u : 20u);
    const TextAnswer answer = page.itemChanged(2, c.typed);
    EXPECT_EQ(answer.show, c.shown) << c.typed;
    if (c.shown) page.itemChanged(2, *c.shown);  // the change that putting it back causes
    EXPECT_EQ(page.menu().itemName(2), c.shown.value_or(c.typed));
  }

  MenuPageModel page(t);
  const TextAnswer title = page.titleChanged("123456789012345678901");
  EXPECT_EQ(title.show, "12345678901234567890");
  EXPECT_EQ(page.menu().title(), "12345678901234567890") << "a cut title is stored at once";
}

TEST_F(MenuModelTest, AnOverlongItemIsNotStoredUntilItsCutTextComesBack) {
  MenuPageModel page(t);
  page.itemChanged(0, "abc");
  page.itemChanged(0, "1234567890123456");
  EXPECT_EQ(page.menu().itemName(0), "abc");
}

TEST_F(MenuModelTest, TitleCheckBoxEnablesTheTitleAndADamagedByteFlipsToZero) {
  t.menu(0).setByte(MenuRecord::kTitleOn, 7);
  MenuPageModel page(t);
  EXPECT_TRUE(page.titleEnabled());
  EXPECT_FALSE(page.toggle(IDC_MENU_TITLE_ON));
  EXPECT_FALSE(page.titleEnabled());
  EXPECT_TRUE(page.toggle(IDC_MENU_TITLE_ON));
}

TEST_F(MenuModelTest, TargetListsStoreTheirPositionInTheMenuShown) {
  MenuPageModel page(t);
  page.show(5);
  page.selectTarget(IDC_MENU_ESC, 13);
  page.selectTarget(IDC_MENU_ITEM_TARGET + 9, 20);
  EXPECT_EQ(page.menuAt(5).escTarget(), 13);
  EXPECT_EQ(page.menuAt(5).itemTarget(9), 20);
  EXPECT_EQ(page.target(IDC_MENU_ITEM_TARGET + 9), 20);
  EXPECT_EQ(page.menuAt(0).escTarget(), 0);
}

TEST_F(MenuModelTest, ApplyWritesTheMenusAndByteElevenOnly) {
  t.menu(2).setRunState(9);
  auto before = storeOf(t);
  MenuPageModel page(t);
  page.show(2);
  page.titleChanged("T");
  page.toggle(IDC_MENU_SEPARATE_FILES);
  page.apply(t);
  EXPECT_EQ(t.menu(2).title(), "T");
  EXPECT_EQ(t.menu(2).runState(), 9);
  EXPECT_TRUE(t.extension().separateFiles());
  const std::size_t title = blockSpan(Block::Menus).offset + 2 * kMenuRecordSize + MenuRecord::kTitle;
  const std::size_t eleven = blockSpan(Block::Extension).offset + ExtensionBlock::kSeparateFiles;
  const auto after = storeOf(t);
  for (std::size_t i = 0; i < after.size(); ++i)
    if (i != title && i != title + 1 && i != eleven) EXPECT_EQ(after[i], before[i]) << "byte " << i;
}

}  // namespace
}  // namespace k60::editor
