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

struct FaultCase {
  const char* text;
  CsvFault fault;
  std::size_t row, column;
};

TEST(CsvReader, FaultsNameTheirRowAndColumnAndKeepTheRowsBefore) {
  const FaultCase cases[] = {
      {"a,b\r\nc,\"d\r\ne\"\r\n", CsvFault::LineBreakInQuotes, 2, 2},
      {"a,b\nc,\"d\ne\"\n", CsvFault::LineBreakInQuotes, 2, 2},
      {"a,b\nc,d\"e\n", CsvFault::BadQuote, 2, 2},
      {"a,\"b\"c\n", CsvFault::BadQuote, 1, 2},
      {"a\nb\n\"c", CsvFault::BadQuote, 3, 1},
  };
  for (const auto& c : cases) {
    const CsvTable table = readCsv(c.text, ',');
    EXPECT_EQ(table.fault, c.fault) << c.text;
    EXPECT_EQ(table.faultRow, c.row) << c.text;
    EXPECT_EQ(table.faultColumn, c.column) << c.text;
    EXPECT_EQ(table.rows.size(), c.row - 1) << c.text;
  }
}

}  // namespace
}  // namespace k60::link
