// Checking lookup files against their layout: built files pass, every bad line is named.
#include <gtest/gtest.h>

#include "link/lookup_builder.h"
#include "link/lookup_checker.h"
#include "tests/support/lookup_fixtures.h"

namespace k60::link {
namespace {

using Kind = LookupProblem::Kind;

const LookupLayout& kFixed = test::kFixedLayout;
const LookupLayout& kSeparated = test::kSeparatedLayout;
using test::spanOf;

struct Seen {
  Kind kind;
  std::size_t line, field, actual;
};

std::vector<Seen> seen(std::string_view file, const LookupLayout& layout) {
  std::vector<Seen> out;
  for (const auto& p : checkLookupFile(spanOf(file), layout)) out.push_back({p.kind, p.at.line, p.at.field, p.at.actual});
  return out;
}

bool operator==(const Seen& a, const Seen& b) {
  return std::tie(a.kind, a.line, a.field, a.actual) == std::tie(b.kind, b.line, b.field, b.actual);
}

TEST(LookupChecker, BuiltFilesMatchTheirLayout) {
  const std::string csv = "A001,\"\xe8\x8b\xb9\xe6\x9e\x9c, \xe7\xba\xa2\",12\r\nB2,,\r\n";
  for (const LookupLayout* layout : {&kFixed, &kSeparated}) {
    const BuiltLookup file = buildLookupFile(spanOf(csv), *layout, {});
    ASSERT_TRUE(file.ok());
    EXPECT_TRUE(checkLookupFile(file.bytes, *layout).empty());
  }
}

TEST(LookupChecker, FixedLengthLinesThatBreakTheLayoutAreEachNamed) {
  const std::string good = "A001   \xC6\xBB\xB9\xFB       12";
  const std::string file = good + "\r\n" +
                           "A001   name       1\r\n" +              // 19 bytes
                           "A001  \xC6\xBBname      12\r\n" +        // field 2 starts inside a character
                           "\x81\x40" + std::string(18, ' ') + "\r\n" +  // not GB2312
                           std::string(254, 'x') + "\n" + good;      // a bare LF ends a line too
  EXPECT_EQ(seen(file, kFixed), (std::vector<Seen>{{Kind::WrongLength, 2, 0, 19},
                                                    {Kind::SplitsCharacter, 3, 2, 0},
                                                    {Kind::LineNotGb2312, 4, 0, 0},
                                                    {Kind::LineTooLong, 5, 0, 254},
                                                    {Kind::WrongLength, 5, 0, 254}}));
}

TEST(LookupChecker, SeparatedLinesNeedTheirFieldsAndLengths) {
  const std::string file = "A1|x|5\r\nA1|x\r\nA1|xxxxxxxxxxx|5\r\n|||\r\n";
  EXPECT_EQ(seen(file, kSeparated), (std::vector<Seen>{{Kind::WrongFieldCount, 2, 0, 2},
                                                        {Kind::LineFieldTooLong, 3, 2, 11},
                                                        {Kind::WrongFieldCount, 4, 0, 4}}));
  const auto problems = checkLookupFile(spanOf("A1|x\r\n"), kSeparated);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problemText(problems[0]), "索引文件第1行有2个字段，不是3个!");
}

TEST(LookupChecker, ALayoutWithoutFieldsIsTheOneProblem) {
  const auto problems = checkLookupFile(spanOf("abc\r\n"), LookupLayout{3, 0, 0, {}});
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].kind, Kind::NoFields);
}

}  // namespace
}  // namespace k60::link
