// The lookup file checker.
#include "link/lookup_checker.h"

#include "link/lookup_file.h"
#include "template/gb_text.h"

namespace k60::link {
namespace {

using Kind = LookupProblem::Kind;
using Line = std::span<const std::uint8_t>;

// Whether byte `at` of a GB2312 line starts a character (the end of the line does too).
std::vector<bool> characterStarts(Line line) {
  std::vector<bool> starts(line.size() + 1, false);
  for (std::size_t i = 0; i < line.size(); i += isLeadByte(line[i]) ? 2 : 1) starts[i] = true;
  starts[line.size()] = true;
  return starts;
}

void checkFixed(Line line, std::size_t number, const LookupLayout& layout, std::vector<LookupProblem>& out) {
  if (line.size() != layout.memberLength) {
    out.push_back({Kind::WrongLength, {.line = number, .limit = layout.memberLength, .actual = line.size()}});
    return;
  }
  const auto starts = characterStarts(line);
  for (std::size_t k = 0; k < layout.fields.size(); ++k) {
    const LookupField& f = layout.fields[k];
    if (f.length != 0 && (!starts[f.offset] || !starts[f.offset + f.length]))
      out.push_back({Kind::SplitsCharacter, {.line = number, .field = k + 1}});
  }
}

void checkSeparated(Line line, std::size_t number, const LookupLayout& layout, std::vector<LookupProblem>& out) {
  std::vector<std::size_t> lengths{0};
  for (const std::uint8_t b : line) {
    if (b == layout.separator) lengths.push_back(0);
    else ++lengths.back();
  }
  if (lengths.size() != layout.fields.size()) {
    out.push_back({Kind::WrongFieldCount, {.line = number, .limit = layout.fields.size(), .actual = lengths.size()}});
    return;
  }
  for (std::size_t k = 0; k < lengths.size(); ++k)
    if (lengths[k] > layout.fields[k].length)
      out.push_back(
          {Kind::LineFieldTooLong, {.line = number, .field = k + 1, .limit = layout.fields[k].length, .actual = lengths[k]}});
}

}  // namespace

std::vector<LookupProblem> checkLookupFile(std::span<const std::uint8_t> file, const LookupLayout& layout) {
  if (auto fault = layoutFault(layout)) return {*fault};
  std::vector<LookupProblem> out;
  std::size_t number = 0;
  for (const auto& line : lookupLines(file)) {
    ++number;
    if (line.size() > kMaxLookupLineBytes) out.push_back({Kind::LineTooLong, {.line = number, .actual = line.size()}});
    if (!isGb2312Text(line)) {
      out.push_back({Kind::LineNotGb2312, {.line = number}});
      continue;
    }
    if (layout.fixedLength()) checkFixed(line, number, layout, out);
    else checkSeparated(line, number, layout, out);
  }
  return out;
}

}  // namespace k60::link
