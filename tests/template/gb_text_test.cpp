// GB2312 helpers: cuts that keep double-byte characters whole, slot reads and writes, and
// the conversions at the user-interface edge.
#include "tests/support/test_support.h"

namespace k60 {
namespace {

using test::gb;

TEST(GbCut, NeverSplitsADoubleByteCharacter) {
  const std::string text = "ab" + gb("中文");  // 2 + 2 + 2 bytes
  ASSERT_EQ(text.size(), 6u);
  const std::size_t expected[] = {0, 1, 2, 2, 4, 4, 6, 6};
  for (std::size_t max = 0; max < std::size(expected); ++max)
    EXPECT_EQ(cutLength(text, max), expected[max]) << "max " << max;
  EXPECT_EQ(cutText(text, 5), "ab" + gb("中"));
}

TEST(GbCut, PairsAreCountedFromTheStart) {
  // "中" is D6 D0: the trail byte is itself >= 0x81, so only a walk from the start knows it.
  const std::string text = gb("中中") + "x";
  EXPECT_EQ(cutLength(text, 3), 2u);
  EXPECT_EQ(cutLength(text, 5), 5u);
  EXPECT_EQ(cutLength("a\xB0", 2), 2u) << "a lone lead byte at the end counts as one byte";
}

TEST(GbSlot, WriteKeepsTheBytesBehindTheTerminator) {
  std::array<std::uint8_t, 10> slot;
  slot.fill('x');
  EXPECT_EQ(writeSlot(slot, "ab", 9), 2u);
  EXPECT_EQ(std::string(slot.begin(), slot.end()), std::string("ab\0xxxxxxx", 10));
  EXPECT_EQ(readSlot(slot), "ab");

  EXPECT_EQ(writeSlot(slot, "a" + gb("中文"), 4), 3u);  // "a中" fits, "文" would be split
  EXPECT_EQ(readSlot(slot), "a" + gb("中"));
  EXPECT_EQ(slot[4], 'x');
}

TEST(GbSlot, AFullSlotHasNoTerminatorAndLeavesItsNeighbourAlone) {
  std::array<std::uint8_t, 12> two;  // two 6-byte slots, as the check prefixes lie
  two.fill('y');
  const auto first = std::span(two).first(6);
  EXPECT_EQ(writeSlot(first, "ABCDEFGH", 6), 6u);
  EXPECT_EQ(std::string(two.begin(), two.end()), "ABCDEFyyyyyy");
  EXPECT_EQ(readSlot(first), "ABCDEF") << "a slot without a NUL reads whole";
  EXPECT_EQ(writeSlot(first, "abcdefgh", 20), 6u) << "a limit above the slot size is capped by the slot";
  EXPECT_EQ(std::string(two.begin(), two.end()), "abcdefyyyyyy");

  std::array<std::uint8_t, 6> slot;
  slot.fill('z');
  writeSlotExact(slot, "0123456789");
  EXPECT_EQ(std::string(slot.begin(), slot.end()), std::string("01234\0", 6));
}

TEST(GbConvert, RoundTripsThroughUtf8AndUtf16) {
  const std::string utf8 = "1.系统设置 [ESC] 键取消";
  const auto bytes = utf8ToGb(utf8);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(bytes->size(), 2 + 8 + 7 + 6u);
  EXPECT_EQ(test::toHex(test::asBytes(bytes->substr(2, 2))), "CF B5");  // 系
  EXPECT_EQ(gbToUtf8(*bytes), utf8);

  const std::u16string wide = u"应用程序 4.10";
  const auto fromWide = utf16ToGb(wide);
  ASSERT_TRUE(fromWide.has_value());
  EXPECT_EQ(*fromWide, gb("应用程序 4.10"));
  EXPECT_EQ(gbToUtf16(*fromWide), wide);

  EXPECT_EQ(utf8ToGb(""), std::string());
  EXPECT_EQ(gbToUtf8(""), "");
}

TEST(GbConvert, CharacterOutsideTheCodePageGivesNoResult) {
  EXPECT_FALSE(utf8ToGb("OK \xF0\x9F\x98\x80").has_value());  // U+1F600
  EXPECT_FALSE(utf16ToGb(u"OK \U0001F600").has_value());
  EXPECT_FALSE(utf8ToGb("OK \xC3").has_value()) << "broken UTF-8 has no GB2312 form either";
}

TEST(GbConvert, UndecodableBytesBecomeReplacementCharacters) {
  EXPECT_EQ(gbToUtf8("A\xB0"), "A\xEF\xBF\xBD");  // a lead byte with nothing after it
  EXPECT_EQ(gbToUtf16("A\xB0"), u"A\uFFFD");
}

}  // namespace
}  // namespace k60
