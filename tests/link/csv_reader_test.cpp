// The CSV reader: fields, quoting, line ends, blank lines, and the faults it names.
#include <gtest/gtest.h>

#include "link/csv_reader.h"

namespace k60::link {
namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows fieldsOf(const CsvTable& table) {
  Rows rows;
  for (const auto& r : table.rows) rows.push_back(r.fields);
  return rows;
}

struct ReadCase {
  const char* text;
  char delimiter;
  Rows rows;
};

TEST(CsvReader, ReadsFieldsAsRfc4180SaysAndEveryLineEnd) {
  const ReadCase cases[] = {
      {"a,b,c", ',', {{"a", "b", "c"}}},
      {"a,b\r\nc,d\r\n", ',', {{"a", "b"}, {"c", "d"}}},
      {"a\nb\rc\r\n", ',', {{"a"}, {"b"}, {"c"}}},
      {"\"x,y\",\"say \"\"hi\"\"\",\"\"", ',', {{"x,y", "say \"hi\"", ""}}},
      {"a,,c,\r\n", ',', {{"a", "", "c", ""}}},
      {" a , b ", ',', {{" a ", " b "}}},  // spaces belong to the field
      {"a;b,c", ';', {{"a", "b,c"}}},
      {"a\tb", '\t', {{"a", "b"}}},
      {"\xD6\xD0,\xCE\xC4", ',', {{"\xD6\xD0", "\xCE\xC4"}}},
  };
  for (const auto& c : cases) {
    const CsvTable table = readCsv(c.text, c.delimiter);
    EXPECT_EQ(table.fault, CsvFault::None) << c.text;
    EXPECT_EQ(fieldsOf(table), c.rows) << c.text;
  }
}

TEST(CsvReader, BlankLinesAreNoRowsButKeepTheRowNumbers) {
  const CsvTable table = readCsv("a\r\n\r\nb\n\n\"\"\n", ',');
  EXPECT_EQ(fieldsOf(table), (Rows{{"a"}, {"b"}, {""}}));
  ASSERT_EQ(table.rows.size(), 3u);
  EXPECT_EQ(table.rows[0].number, 1u);
  EXPECT_EQ(table.rows[1].number, 3u);
  EXPECT_EQ(table.rows[2].number, 5u);  // a quoted empty field is a row
}

// The faults a lookup build refuses are tested there, with their messages; these two are
// the reader's own.
TEST(CsvReader, TextAfterAClosingQuoteOrNoClosingQuoteIsAFault) {
  for (const char* text : {"a\nb,\"c\"d\n", "a\nb,\"c"}) {
    const CsvTable table = readCsv(text, ',');
    EXPECT_EQ(table.fault, CsvFault::BadQuote) << text;
    EXPECT_EQ(table.faultRow, 2u) << text;
    EXPECT_EQ(table.faultColumn, 2u) << text;
    EXPECT_EQ(table.rows.size(), 1u) << text;
  }
}

}  // namespace
}  // namespace k60::link
