// What keeps a lookup file from being built from CSV, or a lookup file from matching its
// layout: the place (row and column of the CSV, or line of the file) and the numbers, and
// the words that say it.
#pragma once

#include <cstddef>
#include <span>
#include <string>

namespace k60::link {

struct LookupProblem {
  enum class Kind {
    // The layout (lookup-wide).
    NoFields,
    FieldOutsideMember,
    SeparatorIsLineEnd,
    ColumnsBeyondFields,
    // Building from CSV (row and column).
    LineBreakInQuotes,
    BadQuote,
    FieldTooLong,
    NoGbForm,
    SeparatorInField,
    FieldsDisagree,
    RowTooLong,
    // Checking a lookup file (line).
    LineTooLong,
    LineNotGb2312,
    WrongLength,
    SplitsCharacter,
    WrongFieldCount,
    LineFieldTooLong,
  };
  // Every number counts from 1; those a kind does not name stay 0.
  struct Where {
    std::size_t lookup = 0, row = 0, column = 0, line = 0, field = 0, other = 0, limit = 0, actual = 0;
  };
  Kind kind;
  Where at;
};

// A problem of the lookup's layout (or of the columns named for it), not of a row or line.
inline bool isLayoutProblem(const LookupProblem& problem) {
  return problem.kind <= LookupProblem::Kind::ColumnsBeyondFields;
}

// The system's words (UTF-8; the Windows program shows them), and the English gloss that
// k60tool adds.
std::string problemText(const LookupProblem& problem);
std::string problemGloss(const LookupProblem& problem);

// The first `most` problems' words, a line each, and how many more there are.
std::string problemsText(std::span<const LookupProblem> problems, std::size_t most);

}  // namespace k60::link
