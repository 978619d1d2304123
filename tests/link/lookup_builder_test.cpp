// Lookup files from CSV: the bytes worked out by hand from the layout, every refusal with its
// place, and the check of a file against its layout.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "link/lookup_builder.h"
#include "link/lookup_checker.h"
#include "tests/support/test_support.h"

namespace k60::link {
namespace {

using test::asBytes;

// Member of 20 bytes: a code at 1..6, a name at 8..17, a count at 19..20; bytes 7 and 18 are
// covered by no field.
const LookupLayout kFixed{1, 0, 20, {{0, 6}, {7, 10}, {18, 2}}};
// Fields of at most 6, 10 and 3 bytes joined by '|'.
const LookupLayout kSeparated{2, '|', 0, {{0, 6}, {0, 10}, {0, 3}}};
// Field 2 is the first two bytes of field 1.
const LookupLayout kPrefix{1, 0, 10, {{0, 10}, {0, 2}}};

struct Build {
  const char* what;
  LookupLayout layout;
  std::string csv;
  CsvOptions options;
  std::string expected;  // every problem's words when refused
  std::size_t cut = 0;
};

TEST(LookupBuilder, BuildsTheFileWorkedOutByHandAndItPassesTheCheck) {
  const Build cases[] = {
      // "苹果, 红" and "梨" in UTF-8: quotes, the delimiter in a field, a doubled quote, an empty count.
      {"fixed from UTF-8", kFixed,
       "A001,\"\xe8\x8b\xb9\xe6\x9e\x9c, \xe7\xba\xa2\",12\r\n\"B\"\"2\",\xe6\xa2\xa8,\r\n", {},
       "A001  " " " "\xC6\xBB\xB9\xFB, \xBA\xEC  " " " "12\r\n" "B\"2   " " " "\xC0\xE6        " " " "  \r\n"},
      {"separator from GB2312", kSeparated, "code;name;qty\r\nA1;\xD6\xD0\xCE\xC4;5\r\nB2;\"x;y\";\r\n",
       {.delimiter = ';', .header = true}, "A1|\xD6\xD0\xCE\xC4|5\r\nB2|x;y|\r\n"},
      {"columns; field 3 has none, row 2 lacks column 3", kFixed, "a,b,c,d\nx\n", {.columns = {3, 1}},
       "c     " " " "a         " " " "  \r\n" "      " " " "x         " " " "  \r\n"},
      {"columns beyond the fields", kSeparated, "a,b,c,d\n", {}, "a|b|c\r\n"},
      {"UTF-8 byte order mark", kSeparated, "\xEF\xBB\xBF\xe4\xb8\xad\xe6\x96\x87\r\n", {}, "\xD6\xD0\xCE\xC4||\r\n"},
      // "隆" in GB2312 is also UTF-8 ("¡", which GB2312 lacks): named, the reading does not guess.
      {"named GB2312", kSeparated, "\xC2\xA1", {.encoding = CsvEncoding::Gb2312}, "\xC2\xA1||\r\n"},
      // "a苹果苹果苹" is 11 bytes: 10 would split the last character, so 9 stay.
      {"truncate", kFixed, "ABCDEFGH,a\xC6\xBB\xB9\xFB\xC6\xBB\xB9\xFB\xC6\xBB,1\n", {.truncate = true},
       "ABCDEF" " " "a\xC6\xBB\xB9\xFB\xC6\xBB\xB9\xFB " " " "1 \r\n", 2},
      {"overlapping fields that agree", kPrefix, "AB12345678,AB\n", {}, "AB12345678\r\n"},
      // Spaces belong to the field; a quoted empty field is a row, an empty line none.
      {"line ends and blank lines", kSeparated, " a \tb\nc\rd\r\n\r\n\"\"\n", {.delimiter = '\t'},
       " a |b|\r\nc||\r\nd||\r\n||\r\n"},
  };
  for (const auto& c : cases) {
    const BuiltLookup built = buildLookupFile(asBytes(c.csv), c.layout, c.options);
    EXPECT_EQ(problemsText(built.problems, 9), "") << c.what;
    EXPECT_EQ(std::string(built.bytes.begin(), built.bytes.end()), c.expected) << c.what;
    EXPECT_EQ(built.cut, c.cut) << c.what;
    EXPECT_EQ(problemsText(checkLookupFile(built.bytes, c.layout), 9), "") << c.what;
  }
}

TEST(LookupBuilder, RefusesNamingEveryPlaceAndBuildsNothing) {
  const LookupLayout comma{3, ',', 0, {{0, 5}, {0, 5}}};
  const LookupLayout wide{1, '|', 0, {{0, 250}, {0, 250}}};
  const Build cases[] = {
      {"after blank lines", kFixed, "ok\r\rok\n\nABCDEFG,x,1\n", {}, "CSV文件第5行第1列: 超过字段1的长度6字节!"},
      {"too long, by columns", kFixed, "x,y,ABCDEFGH\n", {.columns = {3}}, "CSV文件第1行第3列: 超过字段1的长度6字节!"},
      {"emoji", kFixed, "A,\xF0\x9F\x98\x80,1\n", {}, "CSV文件第1行第2列: 有不能转换成GB2312的字符!"},
      {"not GB2312", kSeparated, "A,\x81\x40,1\n", {}, "CSV文件第1行第2列: 有不能转换成GB2312的字符!"},
      {"GB2312 named UTF-8", kSeparated, "\xD6\xD0\xCE\xC4", {.encoding = CsvEncoding::Utf8},
       "CSV文件第1行第1列: 有不能转换成GB2312的字符!"},
      {"separator", comma, "a,\"b,c\"\n", {}, "CSV文件第1行第2列: 含有间隔符!"},
      {"line break", kFixed, "a\r\nb,\"c\r\nd\"\r\n", {}, "CSV文件第2行第2列: 引号内有换行!"},
      {"stray quote", kFixed, "a,b\"c\n", {}, "CSV文件第1行第2列: 引号不符合CSV格式!"},
      {"text after a closing quote", kFixed, "a\nb,\"c\"d\n", {}, "CSV文件第2行第2列: 引号不符合CSV格式!"},
      {"no closing quote", kFixed, "a\nb,\"c", {}, "CSV文件第2行第2列: 引号不符合CSV格式!"},
      {"over 253", wide, std::string(130, 'x') + "," + std::string(130, 'y'), {}, "CSV文件第1行: 索引记录超过253字节!"},
      {"disagree", kPrefix, "AB12345678,AB\nAB12345678,XY\n", {}, "CSV文件第2行: 字段2和字段1重叠但内容不同!"},
      {"no fields", {2, 0, 20, {}}, "a\n", {}, "索引2没有字段，不能生成索引文件!"},
      {"outside", {1, 0, 10, {{0, 4}, {5, 6}}}, "a\n", {}, "索引1的字段2超出成员长度10!"},
      {"offset 0", {1, 0, 10, {{std::size_t(-1), 4}}}, "a\n", {}, "索引1的字段1超出成员长度10!"},
      {"CR separator", {3, '\r', 0, {{0, 4}}}, "a\n", {}, "索引3的间隔符是换行符，不能生成索引文件!"},
      {"columns", kFixed, "a\n", {.columns = {1, 2, 3, 4}}, "指定的列多于索引1的3个字段!"},
      {"every bad row in order", kFixed, "ABCDEFG\nok\nA,\xF0\x9F\x98\x80\nABCDEFG\n", {},
       "CSV文件第1行第1列: 超过字段1的长度6字节!\nCSV文件第3行第2列: 有不能转换成GB2312的字符!\n... 共3处"},
  };
  for (const auto& c : cases) {
    const BuiltLookup built = buildLookupFile(asBytes(c.csv), c.layout, c.options);
    EXPECT_EQ(problemsText(built.problems, 2), c.expected) << c.what;
    EXPECT_TRUE(built.bytes.empty()) << c.what;
    EXPECT_EQ(built.lines, 0u) << c.what;
  }
}

TEST(LookupChecker, NamesEveryLineThatBreaksTheLayout) {
  const std::string good = "A001   \xC6\xBB\xB9\xFB       12";
  const std::string file = good + "\r\n" + "A001   name       1\r\n" +  // 19 bytes
                           "A001  \xC6\xBBname      12\r\n" +           // field 2 starts inside a character
                           "\x81\x40" + std::string(18, ' ') + "\r\n" +  // not GB2312
                           std::string(254, 'x') + "\n" + good;          // a bare LF ends a line too
  EXPECT_EQ(problemsText(checkLookupFile(asBytes(file), kFixed), 9),
            "索引文件第2行长19字节，不是成员长度20!\n索引文件第3行: 字段2的边界切开了一个汉字!\n"
            "索引文件第4行不是GB2312文本!\n索引文件第5行超过253字节，不能下载!\n"
            "索引文件第5行长254字节，不是成员长度20!");
  EXPECT_EQ(problemsText(checkLookupFile(asBytes("abc\r\n"), {3, 0, 0, {}}), 9), "索引3没有字段，不能生成索引文件!");
}

TEST(LookupLayout, ReadsAtMostEightFieldsOfADamagedRecord) {
  std::array<std::uint8_t, LookupRecord::kSize> bytes{};
  LookupRecord record(bytes);
  EXPECT_EQ(layoutSummary(layoutOf(record, 0, 1)), "没有字段");
  record.setFieldCount(200);
  EXPECT_EQ(layoutSummary(layoutOf(record, 9, 1)), "间隔符 9, 8 个字段");
}

}  // namespace
}  // namespace k60::link
