// Building a lookup file from CSV by a lookup's layout: a record per row, GB2312 text,
// CR LF line ends; refused whole, with every problem named, when any row does not fit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "link/lookup_layout.h"
#include "link/lookup_problems.h"

namespace k60::link {

// How the CSV's text is read. Auto: a file with a UTF-8 byte order mark, or one that is
// UTF-8 throughout, is UTF-8; any other is GB2312 (as a spreadsheet saves on a Chinese system).
enum class CsvEncoding { Auto, Utf8, Gb2312 };

struct CsvOptions {
  char delimiter = ',';
  CsvEncoding encoding = CsvEncoding::Auto;
  bool header = false;                // the first row names the columns: skipped
  std::vector<std::size_t> columns;   // the CSV columns (from 1) of field 1, 2, ...; empty: column k fills field k
  bool truncate = false;              // cut an over-long text at a character boundary instead of refusing it
};

struct BuiltLookup {
  std::vector<std::uint8_t> bytes;  // nothing when refused
  std::size_t lines = 0;
  std::size_t cut = 0;  // texts cut by `truncate`
  std::vector<LookupProblem> problems;
  bool ok() const { return problems.empty(); }
};

// Fixed length: each line is the member length, each field left-aligned at its offset and
// padded with spaces, the bytes no field covers spaces (overlapping fields must agree).
// Separator: the fields joined by the separator. A row with fewer columns leaves the missing
// fields empty; columns beyond the fields are ignored.
BuiltLookup buildLookupFile(std::span<const std::uint8_t> csv, const LookupLayout& layout, const CsvOptions& options);

}  // namespace k60::link
