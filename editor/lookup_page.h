// The lookup page's model: a working copy of the three lookups and of the extension block,
// answering the page's controls for the lookup shown; on the sheet's OK it lays out the
// separator lookups and writes the records and their options back.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "editor/number_box.h"
#include "template/choice_lists.h"
#include "template/layout.h"
#include "template/lookup_record.h"
#include "template/store.h"

namespace k60::editor {

// " 0" to " 8": the number-of-fields list.
extern const choices::List kFieldCounts;
// "第一个索引文件" to "第三个索引文件": the lookup list.
extern const choices::List kLookupNames;

// What a field row's three controls allow.
struct FieldRow {
  bool offset;  // offset box: a used field in fixed-length mode
  bool length;  // length box and key radio: a used field
};

// A separator layout longer than a member can be: lookup `lookup` (0..2) would need
// `length` characters.
struct LayoutRefusal {
  std::size_t lookup;
  unsigned length;
};

class LookupPageModel {
 public:
  // Takes the working copy and shows lookup 1.
  explicit LookupPageModel(Template& t);

  std::size_t current() const { return current_; }
  // Shows lookup `index` 0..2 in the mode its separator byte gives.
  void show(std::size_t index);
  LookupRecord lookup() { return lookupAt(current_); }
  LookupRecord lookupAt(std::size_t index);
  ExtensionBlock extension() { return ExtensionBlock(extension_); }

  // The separator radio is checked.
  bool separatorShown() const { return separatorShown_; }
  // Label 501 over the length column.
  std::string_view lengthLabel() const { return lengthLabel_; }
  // The member length box is for fixed-length mode, the separator box for separator mode.
  bool memberLengthEnabled() const { return !separatorShown_; }
  bool separatorEnabled() const { return separatorShown_; }
  FieldRow row(std::size_t field);

  // Radios 411 (fixed length) and 412 (separator).
  void chooseFixed();
  void chooseSeparator();
  void selectFieldCount(std::uint8_t count);
  void selectNoMatchAction(std::uint8_t action);
  void selectKeyField(std::uint8_t field) { lookup().setKeyField(field); }
  // Check box 101: flips the uploadable byte; returns the new mark.
  bool toggleUploadable();

  // The text a number box (609, 601..608, 611..618, 619) is filled with for the lookup
  // shown; the box keeps it as the text to go back to.
  std::string fillText(int id);
  // Number box `id`'s text is now `text`.
  NumberAnswer numberChanged(int id, std::string_view text);

  // The sheet's OK: the records, each separator lookup laid out, and extension bytes 2 to
  // 10. A separator layout that would pass the largest member length writes nothing: the
  // first such lookup is returned instead.
  std::optional<LayoutRefusal> apply(Template& t);

 private:
  std::uint8_t* numberByte(int id);
  NumberBox* box(int id);

  std::array<std::uint8_t, kLookupCount * kLookupRecordSize> lookups_{};
  std::array<std::uint8_t, ExtensionBlock::kSize> extension_{};
  std::size_t current_ = 0;
  bool separatorShown_ = false;
  std::string_view lengthLabel_;
  // What the separator box last stored: the separator radio takes it.
  std::uint8_t separatorTyped_ = 0;
  NumberBox memberBox_;
  NumberBox separatorBox_;
  std::array<NumberBox, LookupRecord::kFields> offsetBoxes_;
  std::array<NumberBox, LookupRecord::kFields> lengthBoxes_;
};

// The message of a refused layout.
std::string refusalMessage(const LayoutRefusal& refusal);

}  // namespace k60::editor
