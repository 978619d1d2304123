// The barcode page's model. The page keeps no copy of the record: it shows the stored values
// when it opens and writes each of its fields back into the template on the sheet's OK, bit
// by bit, so that what the symbology dialogs stored meanwhile and the bits no control shows
// keep their values.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "editor/barcode_controls.h"
#include "template/choice_lists.h"

namespace k60::editor {

// A drop-down list over a multi-bit field; the item's position is the stored value.
struct FieldList {
  int id;
  BarcodeField field;
  const choices::List* items;
};

// The 22 check boxes, each over its enable (or option) bit.
extern const std::array<FlagBox, 22> kBarcodeCheckBoxes;
// Scan mode and read redundancy.
extern const std::array<FieldList, 2> kBarcodeLists;

class BarcodePageModel {
 public:
  explicit BarcodePageModel(const BarcodeRecord& record);

  bool checked(int id) const;
  // Check box `id` clicked: inverts its mark; returns the new mark.
  bool toggle(int id);
  // The position list `id` shows; -1 when the stored value has no item (a damaged file).
  int selection(int id) const;
  void select(int id, int position);
  // The time-out box's first text, and its text after a change: returns the text that
  // replaces one that is not a number.
  std::string timeoutText() const { return timeout_; }
  std::optional<std::string> timeoutChanged(std::string_view text);

  // The sheet's OK: each field into its bits, every other bit kept. A list that selects
  // nothing keeps its stored value; a time-out above 255 is stored as 255.
  void apply(BarcodeRecord record) const;

 private:
  std::array<bool, 22> checks_{};
  std::array<int, 2> selections_{};
  std::string timeout_;
};

}  // namespace k60::editor
