// Reading a lookup's layout from the template and judging whether a file can follow it.
#include "link/lookup_layout.h"

#include <algorithm>

#include "template/choice_lists.h"

namespace k60::link {

LookupLayout layoutOf(const LookupRecord& record, std::uint8_t separator, std::size_t number) {
  LookupLayout layout;
  layout.number = number;
  layout.separator = separator;
  layout.memberLength = record.memberLength();
  const std::size_t n = std::min<std::size_t>(record.fieldCount(), LookupRecord::kFields);
  for (std::size_t k = 0; k < n; ++k) {
    // Offsets are 1-based; 0 places the field one byte before the member (refused below).
    const std::size_t offset = record.fieldOffset(k) == 0 ? std::size_t(-1) : record.fieldOffset(k) - 1u;
    layout.fields.push_back({offset, record.fieldLength(k)});
  }
  return layout;
}

LookupLayout layoutOf(Template& t, std::size_t number) {
  return layoutOf(t.lookup(number - 1), t.extension().separator(number - 1), number);
}

std::optional<LookupProblem> layoutFault(const LookupLayout& layout) {
  using Kind = LookupProblem::Kind;
  if (layout.fields.empty()) return LookupProblem{Kind::NoFields, {.lookup = layout.number}};
  if (!layout.fixedLength()) {
    if (layout.separator == '\r' || layout.separator == '\n')
      return LookupProblem{Kind::SeparatorIsLineEnd, {.lookup = layout.number}};
    return std::nullopt;
  }
  for (std::size_t k = 0; k < layout.fields.size(); ++k) {
    const LookupField& f = layout.fields[k];
    if (f.length == 0) continue;
    if (f.offset == std::size_t(-1) || f.offset + f.length > layout.memberLength)
      return LookupProblem{Kind::FieldOutsideMember,
                           {.lookup = layout.number, .field = k + 1, .limit = layout.memberLength}};
  }
  return std::nullopt;
}

std::string layoutSummary(const LookupLayout& layout) {
  if (layout.fields.empty()) return "没有字段";
  const std::string fields = std::to_string(layout.fields.size()) + " 个字段";
  if (layout.fixedLength())
    return std::string(choices::kLookupSeparatorKinds[0]) + ", 成员长度 " + std::to_string(layout.memberLength) +
           ", " + fields;
  std::string sep = std::string(choices::kLookupSeparatorKinds[1]) + " " + std::to_string(layout.separator);
  if (layout.separator > 0x20 && layout.separator < 0x7F) sep += " (" + std::string(1, char(layout.separator)) + ")";
  return sep + ", " + fields;
}

}  // namespace k60::link
