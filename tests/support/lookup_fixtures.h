// Lookups for the tests of lookup files: records set up field by field, and two layouts the
// builder and checker tests share.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <utility>

#include "link/lookup_layout.h"
#include "template/lookup_record.h"

namespace k60::test {

// The member length and, per field, its 1-based offset and its length.
inline void setLookup(LookupRecord record, std::uint8_t member,
                      std::initializer_list<std::pair<std::uint8_t, std::uint8_t>> fields) {
  record.setMemberLength(member);
  record.setFieldCount(static_cast<std::uint8_t>(fields.size()));
  std::size_t k = 0;
  for (const auto& [offset, length] : fields) {
    record.setFieldOffset(k, offset);
    record.setFieldLength(k++, length);
  }
}

// Member of 20 bytes: a code at 1..6, a name at 8..17, a count at 19..20; bytes 7 and 18 are
// covered by no field.
inline const link::LookupLayout kFixedLayout{1, 0, 20, {{0, 6}, {7, 10}, {18, 2}}};
// Fields of at most 6, 10 and 3 bytes joined by '|'.
inline const link::LookupLayout kSeparatedLayout{2, '|', 0, {{0, 6}, {0, 10}, {0, 3}}};

inline std::span<const std::uint8_t> spanOf(std::string_view s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

}  // namespace k60::test
