// Menus: run start, titles, item keys, arrows, ESC back with the item kept, long menus.
#include "tests/simulator/simulator_fixture.h"

namespace k60::sim::test {
namespace {

using S = SimulatorState;

class MenuTest : public SimulatorTest {
 protected:
  MenuTest() { t.startup().setStartPosition(1); }

  MenuRecord menu(int n, std::vector<std::string> items, std::string title = "") {
    MenuRecord m = t.menu(static_cast<std::size_t>(n - 1));
    m.setFont(0);
    m.setTitleOn(!title.empty());
    m.setTitle(title);
    for (std::size_t i = 0; i < items.size(); ++i) {
      m.setItemName(i, items[i]);
      m.setItemTarget(i, static_cast<std::uint8_t>(11 + i));
    }
    return m;
  }
};

TEST_F(MenuTest, MenuWithTitleShowsTitleThenItemsAndHighlightsTheFirstItem) {
  const MenuRecord m = menu(1, {"Alpha", "Beta", "Gamma"}, "Title");
  run();
  EXPECT_EQ(state(), S::Menu);
  EXPECT_EQ(sim.currentTarget(), 11);
  EXPECT_EQ(m.itemCount(), 3) << "counted at run start";
  EXPECT_EQ(line(0), "Title");
  EXPECT_EQ(line(1), "Alpha");
  EXPECT_EQ(line(3), "Gamma");
  EXPECT_EQ(line(4), "");
  EXPECT_EQ(sim.screen().highlight(), 2);
  EXPECT_EQ(lastRepaint(), "whole");
  EXPECT_FALSE(t.changed()) << "run-start writes do not mark the template changed";

  typeDigits("4");
  EXPECT_EQ(sim.currentTarget(), 11) << "there is no item 4";
  typeDigits("0.");
  EXPECT_EQ(sim.currentTarget(), 11);
}

TEST_F(MenuTest, ArrowsStopAtTheEndsAndDigitsChooseItems) {
  const MenuRecord m = menu(1, {"A", "B", "C"});
  menu(3, {"Third menu"});
  run();
  EXPECT_EQ(sim.screen().highlight(), 1);
  press(kKeyUp);
  EXPECT_EQ(sim.screen().highlight(), 1);
  press(kKeyDown, 5);
  EXPECT_EQ(sim.screen().highlight(), 3);
  EXPECT_EQ(m.selectedItem(), 2);
  press(kKeyEnter);
  EXPECT_EQ(sim.currentTarget(), 13) << "item 3 leads to menu 3";
  EXPECT_EQ(line(0), "Third menu");
}

TEST_F(MenuTest, EscKeepsTheSelectedItemWhileAnItemOpensAMenuAfresh) {
  MenuRecord first = menu(1, {"A", "B", "C"});
  MenuRecord second = menu(2, {"X", "Y"});
  second.setEscTarget(11);
  first.setItemTarget(2, 12);
  run();
  press(kKeyDown, 2);
  press(kKeyEnter);
  EXPECT_EQ(sim.currentTarget(), 12);
  press(kKeyDown);
  press(kKeyEsc);
  EXPECT_EQ(sim.currentTarget(), 11);
  EXPECT_EQ(sim.screen().highlight(), 3) << "ESC shows menu 1 with item 3 still selected";
  typeDigits("3");
  EXPECT_EQ(sim.currentTarget(), 12);
  EXPECT_EQ(sim.screen().highlight(), 1) << "an item opens its menu afresh";
}

TEST_F(MenuTest, EscFromAFormReturnsToItsMenuWithTheItemKept) {
  MenuRecord m = menu(1, {"A", "B"});
  m.setItemTarget(1, 2);
  FormRecord f = form(2);
  setLine(f, 0, DataType::Text, "Name:");
  f.setCancelTarget(11);
  run();
  typeDigits("2");
  EXPECT_EQ(state(), S::Form);
  EXPECT_EQ(sim.currentTarget(), 2);
  press(kKeyEsc);
  EXPECT_EQ(state(), S::Menu);
  EXPECT_EQ(sim.screen().highlight(), 2);
}

TEST_F(MenuTest, LongMenusKeepTheSelectedItemInView) {
  std::vector<std::string> items;
  for (int i = 1; i <= 10; ++i) items.push_back("Item " + std::to_string(i));
  menu(1, items, "Ten items");
  run();
  press(kKeyDown, 6);
  EXPECT_EQ(line(0), "Ten items");
  EXPECT_EQ(line(7), "Item 7");
  EXPECT_EQ(sim.screen().highlight(), 8);
  press(kKeyDown);
  EXPECT_EQ(line(0), "Ten items") << "the title stays";
  EXPECT_EQ(line(1), "Item 2");
  EXPECT_EQ(line(7), "Item 8");
  EXPECT_EQ(sim.screen().highlight(), 8);
  press(kKeyDown, 5);
  EXPECT_EQ(line(7), "Item 10");
  press(kKeyUp, 9);
  EXPECT_EQ(line(1), "Item 1");
  EXPECT_EQ(sim.screen().highlight(), 2);
}

TEST_F(MenuTest, LargeFontMenusShowFifteenColumns) {
  MenuRecord m = menu(1, {"A"}, "A title of twenty ch");
  m.setFont(1);
  run();
  EXPECT_EQ(line(0), "A title of twen");
}

TEST_F(MenuTest, CompletedFormOpensItsNextMenuAfresh) {
  MenuRecord m = menu(1, {"A", "B"});
  m.setItemTarget(1, 1);
  FormRecord f = form(1);
  setLine(f, 0, DataType::Integer, "N:");
  f.setNextTarget(11);
  run();
  press(kKeyDown);
  press(kKeyEnter);
  EXPECT_EQ(state(), S::Form);
  typeDigits("5");
  press(kKeyEnter);
  EXPECT_EQ(state(), S::Menu);
  EXPECT_EQ(sim.screen().highlight(), 1);
  EXPECT_EQ(sim.screen().recordCounter(), 1);
}

}  // namespace
}  // namespace k60::sim::test
