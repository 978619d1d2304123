// Building lookup files from CSV: the bytes, worked out by hand from the layout, and every
// refusal with its row and column.
#include <gtest/gtest.h>

#include <string>

#include "link/lookup_builder.h"
#include "tests/support/lookup_fixtures.h"

namespace k60::link {
namespace {

using Kind = LookupProblem::Kind;

const LookupLayout& kFixed = test::kFixedLayout;
const LookupLayout& kSeparated = test::kSeparatedLayout;
using test::spanOf;

std::string built(std::string_view csv, const LookupLayout& layout, const CsvOptions& options = {}) {
  const BuiltLookup result = buildLookupFile(spanOf(csv), layout, options);
  for (const auto& p : result.problems) ADD_FAILURE() << problemGloss(p);
  return std::string(result.bytes.begin(), result.bytes.end());
}

TEST(LookupBuilder, FixedLengthFromUtf8WithQuotesEmbeddedDelimitersAndAnEmptyField) {
  // "苹果, 红" and "梨" in UTF-8; the third row's count is empty.
  const std::string csv = "A001,\"\xe8\x8b\xb9\xe6\x9e\x9c, \xe7\xba\xa2\",12\r\n\"B\"\"2\",\xe6\xa2\xa8,\r\n";
  const std::string expected =
      "A001  " " " "\xC6\xBB\xB9\xFB, \xBA\xEC  " " " "12\r\n"
      "B\"2   " " " "\xC0\xE6        " " " "  \r\n";
  EXPECT_EQ(built(csv, kFixed), expected);
}

TEST(LookupBuilder, SeparatorLookupFromGb2312WithAHeaderAndAnotherDelimiter) {
  CsvOptions options;
  options.delimiter = ';';
  options.header = true;
  const std::string csv = "code;name;qty\r\nA1;\xD6\xD0\xCE\xC4;5\r\nB2;\"x;y\";\r\n";
  EXPECT_EQ(built(csv, kSeparated, options), "A1|\xD6\xD0\xCE\xC4|5\r\nB2|x;y|\r\n");
}

TEST(LookupBuilder, ColumnsChooseTheFieldsTextsAndMissingOnesStayEmpty) {
  CsvOptions options;
  options.columns = {3, 1};  // field 3 has no column
  EXPECT_EQ(built("a,b,c,d\nx\n", kFixed, options),
            "c     " " " "a         " " " "  \r\n"
            "      " " " "x         " " " "  \r\n");
  // Without the option column k fills field k and further columns are ignored.
  EXPECT_EQ(built("a,b,c,d\n", kSeparated), "a|b|c\r\n");
}

TEST(LookupBuilder, Utf8ByteOrderMarkIsDroppedAndEncodingCanBeNamed) {
  EXPECT_EQ(built("\xEF\xBB\xBF\xe4\xb8\xad\xe6\x96\x87\r\n", kSeparated), "\xD6\xD0\xCE\xC4||\r\n");
  CsvOptions gb;
  gb.encoding = CsvEncoding::Gb2312;
  // "中文" as GB2312 bytes happens not to be valid UTF-8; named, the reading does not guess.
  EXPECT_EQ(built("\xD6\xD0\xCE\xC4", kSeparated, gb), "\xD6\xD0\xCE\xC4||\r\n");
  CsvOptions utf8;
  utf8.encoding = CsvEncoding::Utf8;
  const BuiltLookup wrong = buildLookupFile(spanOf("\xD6\xD0\xCE\xC4"), kSeparated, utf8);
  ASSERT_EQ(wrong.problems.size(), 1u);
  EXPECT_EQ(wrong.problems[0].kind, Kind::NoGbForm);
}

TEST(LookupBuilder, TruncateCutsAtACharacterBoundaryAndCountsTheCuts) {
  CsvOptions options;
  options.truncate = true;
  // "a苹果苹果苹" is 11 bytes: 10 would split the last character, so 9 stay.
  const std::string csv = "ABCDEFGH,a\xC6\xBB\xB9\xFB\xC6\xBB\xB9\xFB\xC6\xBB,1\n";
  const BuiltLookup result = buildLookupFile(spanOf(csv), kFixed, options);
  EXPECT_TRUE(result.ok());
  EXPECT_EQ(result.cut, 2u);
  EXPECT_EQ(std::string(result.bytes.begin(), result.bytes.end()),
            "ABCDEF" " " "a\xC6\xBB\xB9\xFB\xC6\xBB\xB9\xFB " " " "1 \r\n");
}

TEST(LookupBuilder, OverlappingFieldsThatAgreeShareTheirBytes) {
  const LookupLayout prefix{1, 0, 10, {{0, 10}, {0, 2}}};  // field 2: the first two bytes of field 1
  EXPECT_EQ(built("AB12345678,AB\n", prefix), "AB12345678\r\n");
}

struct Refusal {
  const char* what;
  LookupLayout layout;
  std::string csv;
  CsvOptions options;
  Kind kind;
  LookupProblem::Where at;
  const char* text;  // the message, where the case checks it
};

TEST(LookupBuilder, EveryRefusalNamesItsPlaceAndBuildsNothing) {
  CsvOptions columns;
  columns.columns = {1, 2, 3, 4};
  const LookupLayout commaSeparated{3, ',', 0, {{0, 5}, {0, 5}}};
  const LookupLayout wide{1, '|', 0, {{0, 250}, {0, 250}}};
  const Refusal cases[] = {
      {"too long", kFixed, "ok,x,1\nABCDEFG,x,1\n", {}, Kind::FieldTooLong,
       {.row = 2, .column = 1, .field = 1, .limit = 6, .actual = 7}, "CSV文件第2行第1列: 超过字段1的长度6字节!"},
      {"long by columns", kFixed, "x,y,ABCDEFGH\n", {.columns = {3}}, Kind::FieldTooLong,
       {.row = 1, .column = 3, .field = 1, .limit = 6, .actual = 8}, nullptr},
      {"emoji", kFixed, "A,\xF0\x9F\x98\x80,1\n", {}, Kind::NoGbForm, {.row = 1, .column = 2, .field = 2},
       "CSV文件第1行第2列: 有不能转换成GB2312的字符!"},
      {"not GB2312", kSeparated, "A,\x81\x40,1\n", {}, Kind::NoGbForm, {.row = 1, .column = 2, .field = 2}, nullptr},
      {"separator", commaSeparated, "a,\"b,c\"\n", {}, Kind::SeparatorInField, {.row = 1, .column = 2, .field = 2},
       "CSV文件第1行第2列: 含有间隔符!"},
      {"line break", kFixed, "a\r\nb,\"c\r\nd\"\r\n", {}, Kind::LineBreakInQuotes, {.row = 2, .column = 2},
       "CSV文件第2行第2列: 引号内有换行!"},
      {"stray quote", kFixed, "a,b\"c\n", {}, Kind::BadQuote, {.row = 1, .column = 2},
       "CSV文件第1行第2列: 引号不符合CSV格式!"},
      {"over 253", wide, std::string(130, 'x') + "," + std::string(130, 'y'), {}, Kind::RowTooLong,
       {.row = 1, .actual = 261}, "CSV文件第1行: 索引记录超过253字节!"},
      {"disagree", {1, 0, 10, {{0, 10}, {0, 2}}}, "AB12345678,AB\nAB12345678,XY\n", {}, Kind::FieldsDisagree,
       {.row = 2, .field = 2, .other = 1}, "CSV文件第2行: 字段2和字段1重叠但内容不同!"},
      {"no fields", {2, 0, 20, {}}, "a\n", {}, Kind::NoFields, {.lookup = 2}, "索引2没有字段，不能生成索引文件!"},
      {"outside", {1, 0, 10, {{0, 4}, {5, 6}}}, "a\n", {}, Kind::FieldOutsideMember,
       {.lookup = 1, .field = 2, .limit = 10}, "索引1的字段2超出成员长度10!"},
      {"offset 0", {1, 0, 10, {{std::size_t(-1), 4}}}, "a\n", {}, Kind::FieldOutsideMember,
       {.lookup = 1, .field = 1, .limit = 10}, nullptr},
      {"CR separator", {3, '\r', 0, {{0, 4}}}, "a\n", {}, Kind::SeparatorIsLineEnd, {.lookup = 3}, nullptr},
      {"columns", kFixed, "a\n", columns, Kind::ColumnsBeyondFields, {.lookup = 1, .limit = 3}, nullptr},
  };
  for (const auto& c : cases) {
    const BuiltLookup result = buildLookupFile(spanOf(c.csv), c.layout, c.options);
    EXPECT_TRUE(result.bytes.empty()) << c.what;
    EXPECT_EQ(result.lines, 0u) << c.what;
    ASSERT_EQ(result.problems.size(), 1u) << c.what << ": " << (result.problems.empty() ? "" : problemGloss(result.problems.back()));
    const LookupProblem& p = result.problems[0];
    EXPECT_EQ(p.kind, c.kind) << c.what;
    EXPECT_EQ(std::tie(p.at.lookup, p.at.row, p.at.column, p.at.field, p.at.other, p.at.limit, p.at.actual),
              std::tie(c.at.lookup, c.at.row, c.at.column, c.at.field, c.at.other, c.at.limit, c.at.actual))
        << c.what << ": " << problemGloss(p);
    if (c.text) {
      EXPECT_EQ(problemText(p), c.text) << c.what;
    }
  }
}

TEST(LookupBuilder, EveryBadRowIsNamedInOrder) {
  const BuiltLookup result = buildLookupFile(spanOf("ABCDEFG,x\nok\nA,\xF0\x9F\x98\x80\n"), kFixed, {});
  ASSERT_EQ(result.problems.size(), 2u);
  EXPECT_EQ(problemsText(result.problems, 1),
            "CSV文件第1行第1列: 超过字段1的长度6字节!\n... 共2处");
  EXPECT_EQ(result.problems[1].at.row, 3u);
}

TEST(LookupLayout, ReadsTheRecordAndSaysItInAFewWords) {
  std::array<std::uint8_t, LookupRecord::kSize> bytes{};
  LookupRecord record(bytes);
  test::setLookup(record, 20, {{1, 6}, {8, 10}});
  const LookupLayout fixed = layoutOf(record, 0, 1);
  ASSERT_EQ(fixed.fields.size(), 2u);
  EXPECT_EQ(fixed.fields[1].offset, 7u);
  EXPECT_EQ(fixed.fields[1].length, 10u);
  EXPECT_EQ(layoutSummary(fixed), "固定长度, 成员长度 20, 2 个字段");
  EXPECT_EQ(layoutSummary(layoutOf(record, 44, 1)), "间隔符 44 (,), 2 个字段");
  record.setFieldCount(200);  // a damaged file
  EXPECT_EQ(layoutOf(record, 9, 1).fields.size(), 8u);
  EXPECT_EQ(layoutSummary(layoutOf(record, 9, 1)), "间隔符 9, 8 个字段");
  record.setFieldCount(0);
  EXPECT_EQ(layoutSummary(layoutOf(record, 0, 1)), "没有字段");
}

}  // namespace
}  // namespace k60::link
