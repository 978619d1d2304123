// Menu item count, lookup separator layout, the Utility page line count and the extension
// block's byte layout.
#include "template/lookup_record.h"
#include "template/menu_record.h"
#include "tests/support/test_support.h"

namespace k60 {
namespace {

using test::gb;

class MenuItems : public ::testing::Test {
 protected:
  Template t = test::defaultTemplate();
  MenuRecord menu = t.menu(3);
};

TEST_F(MenuItems, CountsNamedItemsInAnyPosition) {
  menu.setItemName(0, "Receive");
  menu.setItemName(1, "Ship");
  menu.setItemName(3, "Count");
  EXPECT_EQ(countMenuItems(menu), 3);
  menu.setItemName(2, "     ");
  EXPECT_EQ(countMenuItems(menu), 3) << "a name of spaces shows nothing";
  menu.setItemName(9, gb("盘点"));
  EXPECT_EQ(countMenuItems(menu), 4) << "double-byte names count";
  menu.setItemName(9, "\t\x1F ");
  EXPECT_EQ(countMenuItems(menu), 3) << "control characters do not count";
}

TEST_F(MenuItems, LooksOnlyAtTheLineWidthBeforeTheTerminator) {
  for (std::size_t spaces : {15, 16}) {  // the letter is the 16th or 17th character
    menu.setFont(1);
    auto slot = menu.itemSlot(0);
    std::fill(slot.begin(), slot.begin() + spaces, ' ');
    slot[spaces] = 'A';
    slot[spaces + 1] = 0;
    EXPECT_EQ(countMenuItems(menu), 0) << spaces << " spaces, large font: 15 characters are looked at";
    menu.setFont(0);
    EXPECT_EQ(countMenuItems(menu), 1) << spaces << " spaces, small font: 20 characters";
  }
  auto second = menu.itemSlot(1);
  second[0] = 0;
  second[1] = 'B';  // an old name behind the terminator
  EXPECT_EQ(countMenuItems(menu), 1);
}

TEST_F(MenuItems, PrepareStoresTheCountOnly) {
  menu.setItemName(4, "Exit");
  menu.setSelectedItem(7);
  menu.setRunState(9);
  prepareMenu(menu);
  EXPECT_EQ(menu.byte(247), 1);
  EXPECT_EQ(menu.byte(248), 7);
  EXPECT_EQ(menu.byte(249), 9);
}

class SeparatorLayout : public ::testing::Test {
 protected:
  void setLengths(std::initializer_list<int> lengths) {
    std::size_t k = 0;
    for (int len : lengths) lookup.setFieldLength(k++, static_cast<std::uint8_t>(len));
  }

  Template t = test::defaultTemplate();
  LookupRecord lookup = t.lookup(1);
};

TEST_F(SeparatorLayout, FieldsStartOneCharacterAfterThePreviousOne) {
  lookup.setFieldCount(3);
  setLengths({5, 10, 2, 7});
  lookup.setFieldOffset(3, 99);
  applySeparatorLayout(lookup);
  EXPECT_EQ(lookup.fieldOffset(0), 1);
  EXPECT_EQ(lookup.fieldOffset(1), 7);
  EXPECT_EQ(lookup.fieldOffset(2), 18);
  EXPECT_EQ(lookup.memberLength(), 19);
  EXPECT_EQ(lookup.fieldOffset(3), 99) << "entries past the field count keep their value";
}

TEST_F(SeparatorLayout, NoFieldsGiveMemberLengthZero) {
  lookup.setMemberLength(40);
  lookup.setFieldOffset(0, 5);
  lookup.setFieldCount(0);
  applySeparatorLayout(lookup);
  EXPECT_EQ(lookup.memberLength(), 0);
}

TEST_F(SeparatorLayout, ArithmeticIsOneByteAndCountIsCappedAtEight) {
  lookup.setFieldCount(12);  // a damaged file
  setLengths({250, 250, 250, 250, 250, 250, 250, 250});
  applySeparatorLayout(lookup);
  EXPECT_EQ(separatorMemberLength(lookup), 8 * 250 + 7) << "the whole length, before the byte";
  EXPECT_EQ(lookup.memberLength(), (8 * 250 + 7) % 256);
  EXPECT_EQ(lookup.fieldOffset(1), 252);
  EXPECT_EQ(lookup.fieldOffset(2), (252 + 251) % 256);
  for (std::size_t k = 0; k < 8; ++k) EXPECT_EQ(lookup.fieldLength(k), 250) << "field " << k + 1;
  EXPECT_EQ(t.lookup(2).fieldOffset(0), 1) << "the next record is untouched";
}

TEST(UtilityPage, EighthLineNeedsAMemberLengthAndFields) {
  Template t = test::defaultTemplate();
  LookupRecord first = t.lookup(0);
  EXPECT_EQ(utilityPageLines(first), 7);
  first.setFieldCount(2);
  EXPECT_EQ(utilityPageLines(first), 7);
  first.setMemberLength(12);
  EXPECT_EQ(utilityPageLines(first), 8);
  first.setFieldCount(0);
  EXPECT_EQ(utilityPageLines(first), 7);
}

TEST(ExtensionBlockLayout, OptionsLiveAtTheirBytes) {
  Template t = test::defaultTemplate();
  ExtensionBlock ext = t.extension();
  EXPECT_TRUE(ext.hasMarker());
  ext.setWedgeCrLf(false);
  ext.setSeparator(0, ',');
  ext.setSeparator(2, '|');
  ext.setUploadable(1, false);
  ext.setNoMatchAction(0, 3);
  ext.setNoMatchAction(2, 2);
  ext.setSeparateFiles(true);
  EXPECT_EQ(test::toHex(t.block(Block::Extension)), "40 00 2C 00 7C 01 00 01 03 00 02 01 00 00");
  ext.reset();
  EXPECT_EQ(test::toHex(t.block(Block::Extension)), "40 01 00 00 00 01 01 01 00 00 00 00 00 00");
}

}  // namespace
}  // namespace k60
