// The rules every page's boxes share: the number box, the cut text box and the echo guard.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editor/echo_guard.h"
#include "editor/number_box.h"
#include "editor/text_box.h"

namespace k60::editor {
namespace {

using Stored = std::optional<std::uint8_t>;
using Shown = std::optional<std::string>;

struct Step {
  const char* text;
  Stored store;
  Shown show;
};

// Each case feeds a box the texts it shows in turn (a write-back arrives as the next
// change, as a real edit box sends it) and checks every answer.
struct NumberCase {
  const char* name;
  NumberRule rule;
  const char* filled;
  std::vector<Step> steps;
};

const NumberRule kLength{50, 0, "0"};          // stores 0 for a non-number
const NumberRule kCharacter{255, std::nullopt, "0"};  // keeps its value for a non-number

TEST(NumberBox, FollowsItsRuleThroughEveryChange) {
  const std::vector<NumberCase> cases = {
      {"typing within the limit stores each number", kLength, "", {{"5", 5, {}}, {"50", 50, {}}}},
      {"a keystroke above the limit goes back to the number before it",
       kLength, "5", {{"51", {}, "5"}, {"5", 5, {}}}},
      {"a paste above the limit goes back to what the box held",
       kLength, "12", {{"999", {}, "12"}, {"12", 12, {}}}},
      {"a number from the file above the limit is shown and kept, not stored again",
       kLength, "60", {{"600", {}, "60"}, {"60", {}, {}}}},
      {"a bad text becomes 0 and stores 0", kLength, "7", {{"7a", 0, "0"}, {"0", 0, {}}}},
      {"an empty box stores 0 and stays empty", kLength, "7", {{"", 0, {}}}},
      {"after emptying, a number above the limit empties the box again",
       kLength, "7", {{"", 0, {}}, {"99", {}, ""}, {"", 0, {}}}},
      {"a sign or a space is not a number", kLength, "1", {{"-1", 0, "0"}, {" 1", 0, "0"}}},
      {"a number too long for 32 bits is above the limit",
       kLength, "3", {{"99999999999999999999", {}, "3"}}},
      {"leading zeros read as the number", kLength, "", {{"007", 7, {}}}},
      {"a box that keeps its value stores nothing for a bad or empty text",
       kCharacter, "65", {{"x", {}, "0"}, {"0", 0, {}}, {"", {}, {}}}},
      {"a box with another bad-text replacement", NumberRule{255, 0, "1"}, "2", {{"?", 0, "1"}, {"1", 1, {}}}},
      {"the limit itself is stored", kCharacter, "", {{"255", 255, {}}, {"256", {}, "255"}}},
  };
  for (const NumberCase& c : cases) {
    NumberBox box(c.rule);
    box.filled(c.filled);
    for (const Step& step : c.steps) {
      const NumberAnswer answer = box.changed(step.text);
      EXPECT_EQ(answer.store, step.store) << c.name << ": text \"" << step.text << "\"";
      EXPECT_EQ(answer.show, step.show) << c.name << ": text \"" << step.text << "\"";
    }
  }
}

TEST(NumberBox, ByteBoxesCorrectWhileTypingAndLimitOnOk) {
  EXPECT_EQ(byteBoxCorrection("12a"), "0");
  EXPECT_EQ(byteBoxCorrection(""), std::nullopt) << "an empty box stays empty";
  EXPECT_EQ(byteBoxCorrection("999"), std::nullopt) << "a large number is limited only on OK";
  const std::vector<std::pair<const char*, int>> values = {
      {"", 0}, {"0", 0}, {"17", 17}, {"255", 255}, {"256", 255}, {"999", 255}, {"x", 0},
      {"99999999999999999999", 255}};
  for (const auto& [text, value] : values) EXPECT_EQ(byteBoxValue(text), value) << text;
}

TEST(TextBox, CutsAtTheByteLimitWithoutSplittingAChineseCharacter) {
  struct Case {
    std::string text;
    std::size_t limit;
    std::string store;
    bool shows;
  };
  const std::string zhong = "\xD6\xD0";  // one GB2312 character, two bytes
  const std::vector<Case> cases = {
      {"1234567890", 10, "1234567890", false},
      {"12345678901", 10, "1234567890", true},
      {"123456789" + zhong, 10, "123456789", true},  // the character would end at byte 11
      {"12345678" + zhong, 10, "12345678" + zhong, false},
      {zhong + zhong + zhong + zhong + zhong + "1", 10, zhong + zhong + zhong + zhong + zhong, true},
      {"", 10, "", false},
  };
  for (const Case& c : cases) {
    const TextAnswer answer = cutBoxText(c.text, c.limit);
    EXPECT_EQ(answer.store, c.store) << c.text;
    EXPECT_EQ(answer.show.has_value(), c.shows) << c.text;
    if (answer.show) {
      EXPECT_EQ(*answer.show, c.store);
    }
  }
}

// Two boxes showing one value, as the start-up page's number and character boxes: a change
// of either writes the other, and that write arrives at once as the other's change.
TEST(EchoGuard, EachChangeWritesThePartnerOnceAndTheEchoStops) {
  EchoGuard guard;
  int writes = 0;
  std::function<void()> change = [&] {
    if (guard.writePartner() && ++writes < 10) change();  // the partner's echo
  };
  for (int typed = 1; typed <= 3; ++typed) {
    change();
    EXPECT_EQ(writes, typed) << "one write per change, and the guard is clear again";
  }
}

}  // namespace
}  // namespace k60::editor
