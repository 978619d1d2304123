// The menu page's model: a working copy of the ten menus and of the all-menus option that
// saves each form's data to a separate file, answering the page's controls for the menu
// shown and written back on the sheet's OK.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "editor/text_box.h"
#include "template/layout.h"
#include "template/menu_record.h"
#include "template/store.h"

namespace k60::editor {

// A check box over one byte of the menu shown.
struct MenuCheckBox {
  int id;
  std::size_t offset;
};

// 101 title, 102 save title, 103 save selected item, 104 pass.
extern const std::array<MenuCheckBox, 4> kMenuCheckBoxes;

class MenuPageModel {
 public:
  // Takes the working copy and shows menu 1.
  explicit MenuPageModel(Template& t);

  std::size_t current() const { return current_; }
  // Shows menu `index` 0..9: its pass byte follows the pass rule.
  void show(std::size_t index);
  MenuRecord menu() { return menuAt(current_); }
  MenuRecord menuAt(std::size_t index);

  // The mark of check box `id` (101..105).
  bool mark(int id);
  // Check box `id` clicked: flips its byte, and 102, 103 and 105 apply the pass rule.
  // Returns the new mark.
  bool toggle(int id);
  // The pass box can be used only without the separate-files option and with a save option.
  bool passEnabled();
  bool titleEnabled() { return menu().titleOn(); }
  bool separateFiles() const { return separateFiles_ != 0; }

  // Item names are cut at the line width of the menu's font.
  std::size_t itemLimit() { return menu().lineWidth(); }
  // The title box's text is now `gb`: stored, cut at 20 bytes.
  TextAnswer titleChanged(std::string_view gb);
  // Item `item`'s box is now `gb`. A text over the limit is not stored: the cut text goes
  // back into the box, whose change then stores it.
  TextAnswer itemChanged(std::size_t item, std::string_view gb);

  // The target list `id` (701..710, 751) shows, and a selection in it.
  std::uint8_t target(int id);
  void selectTarget(int id, std::uint8_t position);

  // The sheet's OK: the ten menus and extension byte 11, nothing else.
  void apply(Template& t) const;

 private:
  std::uint8_t* checkByte(int id);
  std::uint8_t* targetByte(int id);
  void applyPassRule();

  std::array<std::uint8_t, kMenuCount * kMenuRecordSize> menus_{};
  std::uint8_t separateFiles_ = 0;
  std::size_t current_ = 0;
};

}  // namespace k60::editor
