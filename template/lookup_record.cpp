// The lookup separator layout and the extension block defaults.
#include "template/lookup_record.h"

#include <algorithm>

namespace k60 {

namespace {

std::size_t usedFields(const LookupRecord& lookup) {
  return std::min<std::size_t>(lookup.fieldCount(), LookupRecord::kFields);
}

}  // namespace

unsigned separatorMemberLength(const LookupRecord& lookup) {
  const std::size_t n = usedFields(lookup);
  if (n == 0) return 0;
  unsigned member = static_cast<unsigned>(n - 1);
  for (std::size_t k = 0; k < n; ++k) member += lookup.fieldLength(k);
  return member;
}

void applySeparatorLayout(LookupRecord lookup) {
  const std::size_t n = usedFields(lookup);
  lookup.setMemberLength(static_cast<std::uint8_t>(separatorMemberLength(lookup)));
  if (n == 0) return;
  lookup.setFieldOffset(0, 1);
  for (std::size_t k = 1; k < n; ++k)
    lookup.setFieldOffset(k, static_cast<std::uint8_t>(lookup.fieldOffset(k - 1) +
                                                       lookup.fieldLength(k - 1) + 1));
}

void ExtensionBlock::reset() {
  static constexpr std::uint8_t kDefaults[kSize] = {0x40, 0x01, 0x00, 0x00, 0x00, 0x01, 0x01,
                                                    0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
  std::copy(std::begin(kDefaults), std::end(kDefaults), bytes().begin());
}

}  // namespace k60
