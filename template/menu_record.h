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

  std::uint8_t font() const { return byte(kFont); }
  void setFont(std::uint8_t v) { setByte(kFont, v); }
  bool largeFont() const { return font() != 0; }
  // Characters of a line: 15 with the large font, 20 with the small one.
  std::size_t lineWidth() const { return lineColumns(largeFont()); }
  bool titleOn() const { return byte(kTitleOn) != 0; }
  void setTitleOn(bool on) { setByte(kTitleOn, on); }
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
  std::uint8_t escTarget() const { return byte(kEscTarget); }
  void setEscTarget(std::uint8_t v) { setByte(kEscTarget, v); }
  std::uint8_t itemTarget(std::size_t item) const { return byte(kItemTargets + item); }
  void setItemTarget(std::size_t item, std::uint8_t v) { setByte(kItemTargets + item, v); }
  bool saveTitle() const { return byte(kSaveTitle) != 0; }
  void setSaveTitle(bool on) { setByte(kSaveTitle, on); }
  bool saveSelected() const { return byte(kSaveSelected) != 0; }
  void setSaveSelected(bool on) { setByte(kSaveSelected, on); }
  bool pass() const { return byte(kPass) != 0; }
  void setPass(bool on) { setByte(kPass, on); }
  std::uint8_t itemCount() const { return byte(kItemCount); }
  void setItemCount(std::uint8_t v) { setByte(kItemCount, v); }
  std::uint8_t selectedItem() const { return byte(kSelectedItem); }
  void setSelectedItem(std::uint8_t v) { setByte(kSelectedItem, v); }
  std::uint8_t runState() const { return byte(kRunState); }
  void setRunState(std::uint8_t v) { setByte(kRunState, v); }
};

// Items (in any position) whose name shows, within the line width and before its
// terminator, at least one byte above a space.
std::uint8_t countMenuItems(const MenuRecord& menu);

// Stores countMenuItems in byte 247, as the download and a simulator run do.
inline void prepareMenu(MenuRecord menu) { menu.setItemCount(countMenuItems(menu)); }

}  // namespace k60
