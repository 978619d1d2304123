// One menu record (250 bytes): an optional title and up to ten items, each with a target.
#pragma once

#include "template/layout.h"
#include "template/record_view.h"

namespace k60 {

class MenuRecord : public RecordView {
 public:
  static constexpr std::size_t kSize = 250;
  static constexpr std::size_t kItems = 10;
  static constexpr std::size_t kSlot = kSmallLineSlot;

  enum Offset : std::size_t {
    kFont = 0,
    kTitleOn = 1,
    kTitle = 2,
    kItemNames = 23,
    kEscTarget = 233,
    kItemTargets = 234,
    kSaveTitle = 244,
    kSaveSelected = 245,
    kPass = 246,
    kItemCount = 247,
    kSelectedItem = 248,
    kRunState = 249,
  };

  using RecordView::RecordView;

  K60_BYTE_FIELD(std::uint8_t, font, setFont, kFont)
  bool largeFont() const { return font() != 0; }
  // Characters of a line: 15 with the large font, 20 with the small one.
  std::size_t lineWidth() const { return lineColumns(largeFont()); }
  K60_BYTE_FIELD(bool, titleOn, setTitleOn, kTitleOn)
  std::span<const std::uint8_t> titleSlot() const { return slot(kTitle, kSlot); }
  std::span<std::uint8_t> titleSlot() { return slot(kTitle, kSlot); }
  std::string title() const { return readSlot(titleSlot()); }
  std::size_t setTitle(std::string_view gb) { return writeSlot(titleSlot(), gb, kSmallFontColumns); }
  std::span<std::uint8_t> itemSlot(std::size_t item) { return slot(kItemNames + kSlot * item, kSlot); }
  std::span<const std::uint8_t> itemSlot(std::size_t item) const {
    return slot(kItemNames + kSlot * item, kSlot);
  }
  std::string itemName(std::size_t item) const { return readSlot(itemSlot(item)); }
  std::size_t setItemName(std::size_t item, std::string_view gb) {
    return writeSlot(itemSlot(item), gb, lineWidth());
  }
  K60_BYTE_FIELD(std::uint8_t, escTarget, setEscTarget, kEscTarget)
  K60_INDEXED_BYTE_FIELD(std::uint8_t, itemTarget, setItemTarget, kItemTargets)
  K60_BYTE_FIELD(bool, saveTitle, setSaveTitle, kSaveTitle)
  K60_BYTE_FIELD(bool, saveSelected, setSaveSelected, kSaveSelected)
  K60_BYTE_FIELD(bool, pass, setPass, kPass)
  K60_BYTE_FIELD(std::uint8_t, itemCount, setItemCount, kItemCount)
  K60_BYTE_FIELD(std::uint8_t, selectedItem, setSelectedItem, kSelectedItem)
  K60_BYTE_FIELD(std::uint8_t, runState, setRunState, kRunState)
};

// Items (in any position) whose name shows, within the line width and before its
// terminator, at least one byte above a space.
std::uint8_t countMenuItems(const MenuRecord& menu);

// Stores countMenuItems in byte 247, as the download and a simulator run do.
inline void prepareMenu(MenuRecord menu) { menu.setItemCount(countMenuItems(menu)); }

}  // namespace k60
