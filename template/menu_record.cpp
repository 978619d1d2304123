// The menu item count rule.
#include "template/menu_record.h"

namespace k60 {

std::uint8_t countMenuItems(const MenuRecord& menu) {
  std::uint8_t count = 0;
  for (std::size_t item = 0; item < MenuRecord::kItems; ++item) {
    const auto name = menu.itemSlot(item).first(menu.lineWidth());
    for (std::uint8_t b : name) {
      if (b == 0) break;
      if (b > 0x20) {
        ++count;
        break;
      }
    }
  }
  return count;
}

}  // namespace k60
