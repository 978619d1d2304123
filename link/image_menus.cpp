// Menu copies for the program image: padded lines and the item count.
#include "link/image_sections.h"

#include <algorithm>

#include "template/gb_text.h"

namespace k60::link {

void padLine(std::span<std::uint8_t> slot, std::size_t width) {
  const auto end = std::find(slot.begin(), slot.end(), std::uint8_t{0});
  const std::string_view text(reinterpret_cast<const char*>(slot.data()),
                              static_cast<std::size_t>(end - slot.begin()));
  const std::size_t kept = cutLength(text, width);
  std::fill(slot.begin() + kept, slot.begin() + width, std::uint8_t{' '});
  slot[width] = 0;
}

void normaliseMenuCopy(MenuRecord menu) {
  const std::size_t width = menu.lineWidth();
  // Counted before padding, as the rule reads the names as typed.
  const std::uint8_t count = countMenuItems(menu);
  if (menu.titleOn()) padLine(menu.titleSlot(), width);
  for (std::size_t item = 0; item < MenuRecord::kItems; ++item) padLine(menu.itemSlot(item), width);
  menu.setItemCount(count);
}

}  // namespace k60::link
