// The CSV reader: one pass over the bytes, a row per line.
#include "link/csv_reader.h"

namespace k60::link {
namespace {

constexpr char kQuote = '"';

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

class CsvScanner {
 public:
  CsvScanner(std::string_view text, char delimiter) : text_(text), delimiter_(delimiter) {}

  CsvTable read() {
    while (at_ < text_.size() && table_.fault == CsvFault::None) readRow();
    return std::move(table_);
  }

 private:
  void readRow() {
    CsvRow row{++line_, {}};
    bool blank = true;
    for (;;) {
      const bool quoted = at_ < text_.size() && text_[at_] == kQuote;
      std::string field;
      if (!(quoted ? readQuoted(field, row.fields.size()) : readPlain(field, row.fields.size()))) return;
      blank = blank && !quoted && field.empty() && row.fields.empty();
      row.fields.push_back(std::move(field));
      if (at_ >= text_.size() || text_[at_] != delimiter_) break;
      ++at_;
      blank = false;
    }
    skipLineEnd();
    if (!blank) table_.rows.push_back(std::move(row));
  }

  bool readPlain(std::string& field, std::size_t index) {
    const std::size_t start = at_;
    while (at_ < text_.size() && text_[at_] != delimiter_ && !isLineEnd(text_[at_])) {
      if (text_[at_] == kQuote) return fail(CsvFault::BadQuote, index);
      ++at_;
    }
    field.assign(text_.substr(start, at_ - start));
    return true;
  }

  bool readQuoted(std::string& field, std::size_t index) {
    for (++at_;; ++at_) {
      if (at_ >= text_.size()) return fail(CsvFault::BadQuote, index);
      const char c = text_[at_];
      if (isLineEnd(c)) return fail(CsvFault::LineBreakInQuotes, index);
      if (c != kQuote) {
        field.push_back(c);
      } else if (at_ + 1 < text_.size() && text_[at_ + 1] == kQuote) {
        field.push_back(kQuote);
        ++at_;
      } else {
        break;
      }
    }
    ++at_;  // the closing quote
    if (at_ < text_.size() && text_[at_] != delimiter_ && !isLineEnd(text_[at_]))
      return fail(CsvFault::BadQuote, index);
    return true;
  }

  // A row ends at the end of the text or at a line end: CR LF, CR or LF.
  void skipLineEnd() {
    if (at_ >= text_.size()) return;
    const bool cr = text_[at_++] == '\r';
    if (cr && at_ < text_.size() && text_[at_] == '\n') ++at_;
  }

  bool fail(CsvFault fault, std::size_t fieldIndex) {
    table_.fault = fault;
    table_.faultRow = line_;
    table_.faultColumn = fieldIndex + 1;
    return false;
  }

  std::string_view text_;
  char delimiter_;
  std::size_t at_ = 0;
  std::size_t line_ = 0;
  CsvTable table_;
};

}  // namespace

CsvTable readCsv(std::string_view text, char delimiter) { return CsvScanner(text, delimiter).read(); }

}  // namespace k60::link
