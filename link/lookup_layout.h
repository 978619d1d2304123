// The layout of one lookup's file as the template describes it: fixed-length fields at their
// offsets, or fields joined by a separator character.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/lookup_problems.h"
#include "template/lookup_record.h"
#include "template/store.h"

namespace k60::link {

struct LookupField {
  std::size_t offset = 0;  // from 0 in the member; unused with a separator
  std::size_t length = 0;  // with a separator: the longest the field may be
};

struct LookupLayout {
  std::size_t number = 1;        // lookup 1..3
  std::uint8_t separator = 0;    // 0: fixed-length fields
  std::size_t memberLength = 0;  // bytes of a fixed-length member
  std::vector<LookupField> fields;
  bool fixedLength() const { return separator == 0; }
};

// Lookup `number` (1..3) from its record and its separator byte. A field count above 8 (a
// damaged file) is read as 8; a fixed field at offset 0 starts before the member.
LookupLayout layoutOf(const LookupRecord& record, std::uint8_t separator, std::size_t number);

// Lookup `number` (1..3) of a template (read only).
LookupLayout layoutOf(Template& t, std::size_t number);

// Why no file can be built or checked by the layout: no fields, a fixed field outside the
// member, or a separator that is a line end.
std::optional<LookupProblem> layoutFault(const LookupLayout& layout);

// The layout in a few words, as the Windows program shows it beside the choice of lookup:
// "固定长度, 成员长度 20, 3 个字段", "间隔符 44 (,), 3 个字段" or "没有字段".
std::string layoutSummary(const LookupLayout& layout);

}  // namespace k60::link
