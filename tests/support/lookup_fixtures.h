// A lookup record set up field by field, for the tests of lookup files.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <utility>

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

}  // namespace k60::test
