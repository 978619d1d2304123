// A CSV reader after RFC 4180: fields split at a delimiter, a quoted field may hold the
// delimiter and "" for a quote. Rows are lines: a line break inside quotes is refused, since
// a lookup record cannot hold one.
// Written here rather than taken from a library: it builds unchanged into the statically
// linked Windows program, keeps every space and blank-line row number, and names the row and
// column of a fault.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace k60::link {

struct CsvRow {
  std::size_t number = 0;  // the file's line, from 1
  std::vector<std::string> fields;
};

enum class CsvFault {
  None,
  LineBreakInQuotes,  // a CR or LF inside a quoted field
  BadQuote,           // a quote inside an unquoted field, text after a closing quote, no closing quote
};

// The rows of the text up to the first fault, which is named by row and column (from 1).
// A line end is CR LF, CR or LF; an empty line is no row.
struct CsvTable {
  std::vector<CsvRow> rows;
  CsvFault fault = CsvFault::None;
  std::size_t faultRow = 0;
  std::size_t faultColumn = 0;
};

CsvTable readCsv(std::string_view text, char delimiter);

}  // namespace k60::link
