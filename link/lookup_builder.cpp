// The lookup file builder: CSV rows through the layout into GB2312 lines.
#include "link/lookup_builder.h"

#include <optional>
#include <string>
#include <string_view>

#include "link/csv_reader.h"
#include "link/lookup_file.h"
#include "template/gb_text.h"

namespace k60::link {
namespace {

using Kind = LookupProblem::Kind;

std::span<const std::uint8_t> bytesOf(std::string_view s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

bool startsWithBom(std::string_view text) { return text.starts_with("\xEF\xBB\xBF"); }

bool readsAsUtf8(std::string_view text, CsvEncoding encoding) {
  if (encoding != CsvEncoding::Auto) return encoding == CsvEncoding::Utf8;
  return startsWithBom(text) || isUtf8Text(bytesOf(text));
}

class RowBuilder {
 public:
  RowBuilder(const LookupLayout& layout, const CsvOptions& options, bool utf8, BuiltLookup& out)
      : layout_(layout), options_(options), utf8_(utf8), out_(out) {}

  void add(const CsvRow& row) {
    std::vector<std::string> texts(layout_.fields.size());
    bool fits = true;
    for (std::size_t k = 0; k < texts.size(); ++k) fits = fieldText(row, k, texts[k]) && fits;
    if (!fits) return;
    const auto line = layout_.fixedLength() ? placed(texts, row.number) : joined(texts);
    if (!line) return;
    if (line->size() > kMaxLookupLineBytes) {
      refuse(Kind::RowTooLong, {.row = row.number, .actual = line->size()});
      return;
    }
    out_.bytes.insert(out_.bytes.end(), line->begin(), line->end());
    out_.bytes.insert(out_.bytes.end(), {'\r', '\n'});
    ++out_.lines;
  }

 private:
  // The CSV column (from 1) of field k; 0 when --columns names none for it.
  std::size_t columnOf(std::size_t k) const {
    if (options_.columns.empty()) return k + 1;
    return k < options_.columns.size() ? options_.columns[k] : 0;
  }

  bool fieldText(const CsvRow& row, std::size_t k, std::string& text) {
    const std::size_t column = columnOf(k);
    const std::string_view raw =
        column != 0 && column <= row.fields.size() ? std::string_view(row.fields[column - 1]) : std::string_view();
    const LookupProblem::Where at{.row = row.number, .column = column, .field = k + 1};
    const auto gb = utf8_ ? utf8ToGb(raw) : std::optional<std::string>(raw);
    if (!gb || !isGb2312Text(bytesOf(*gb))) return refuse(Kind::NoGbForm, at);
    if (!layout_.fixedLength() && gb->find(char(layout_.separator)) != std::string::npos)
      return refuse(Kind::SeparatorInField, at);
    const std::size_t limit = layout_.fields[k].length;
    text = *gb;
    if (text.size() <= limit) return true;
    if (options_.truncate) {
      text.resize(cutLength(text, limit));
      ++out_.cut;
      return true;
    }
    LookupProblem::Where over = at;
    over.limit = limit;
    over.actual = text.size();
    return refuse(Kind::FieldTooLong, over);
  }

  // Each field padded to its length at its offset; a byte that two fields place differently
  // would corrupt one of them.
  std::optional<std::string> placed(const std::vector<std::string>& texts, std::size_t row) {
    std::string line(layout_.memberLength, ' ');
    std::vector<std::size_t> owner(line.size(), 0);  // the field (from 1) that placed each byte
    for (std::size_t k = 0; k < texts.size(); ++k) {
      const LookupField& f = layout_.fields[k];
      for (std::size_t j = 0; j < f.length; ++j) {
        const char b = j < texts[k].size() ? texts[k][j] : ' ';
        std::size_t& by = owner[f.offset + j];
        if (by != 0 && line[f.offset + j] != b) {
          refuse(Kind::FieldsDisagree, {.row = row, .field = k + 1, .other = by});
          return std::nullopt;
        }
        line[f.offset + j] = b;
        by = k + 1;
      }
    }
    return line;
  }

  std::optional<std::string> joined(const std::vector<std::string>& texts) const {
    std::string line;
    for (std::size_t k = 0; k < texts.size(); ++k) line += (k ? std::string(1, char(layout_.separator)) : "") + texts[k];
    return line;
  }

  // Records why the row cannot be built; false, for the checks that end there.
  bool refuse(Kind kind, LookupProblem::Where at) {
    out_.problems.push_back({kind, at});
    return false;
  }

  const LookupLayout& layout_;
  const CsvOptions& options_;
  bool utf8_;
  BuiltLookup& out_;
};

}  // namespace

BuiltLookup buildLookupFile(std::span<const std::uint8_t> csv, const LookupLayout& layout, const CsvOptions& options) {
  BuiltLookup out;
  if (auto fault = layoutFault(layout)) {
    out.problems.push_back(*fault);
    return out;
  }
  if (options.columns.size() > layout.fields.size()) {
    out.problems.push_back({Kind::ColumnsBeyondFields, {.lookup = layout.number, .limit = layout.fields.size()}});
    return out;
  }
  std::string_view text(reinterpret_cast<const char*>(csv.data()), csv.size());
  const bool utf8 = readsAsUtf8(text, options.encoding);
  if (utf8 && startsWithBom(text)) text.remove_prefix(3);
  const CsvTable table = readCsv(text, options.delimiter);
  RowBuilder builder(layout, options, utf8, out);
  for (std::size_t i = options.header ? 1 : 0; i < table.rows.size(); ++i) builder.add(table.rows[i]);
  if (table.fault != CsvFault::None)
    out.problems.push_back({table.fault == CsvFault::LineBreakInQuotes ? Kind::LineBreakInQuotes : Kind::BadQuote,
                            {.row = table.faultRow, .column = table.faultColumn}});
  if (!out.ok()) out = BuiltLookup{{}, 0, out.cut, std::move(out.problems)};
  return out;
}

}  // namespace k60::link
