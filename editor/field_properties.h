// The line property dialogs' model (AdvanceDlg, LookupAdvanceDlg): one line's options in the
// form page's working copy, a backup of its form for Cancel, and the corrections of the
// partial barcode start position and maximum length.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "editor/number_box.h"
#include "editor/text_box.h"
#include "template/choice_lists.h"
#include "template/form_record.h"

namespace k60::editor {

// A check box over a per-line on/off byte, and the controls it enables (0 ends the list).
struct PropertyCheck {
  int id;
  std::size_t offset;
  std::array<int, 3> enables;
};
// An edit box over a per-line text slot, cut to `maxBytes`.
struct PropertyText {
  int id;
  std::size_t offset;
  std::size_t slot;
  std::size_t maxBytes;
};
// An edit box over a per-line byte, 0..255; a bad text is replaced by `badText`.
struct PropertyNumber {
  int id;
  std::size_t offset;
  std::string_view badText;
};
// A list over a per-line byte.
struct PropertyList {
  int id;
  std::size_t offset;
  const choices::List* items;
};

struct PropertyLayout {
  const wchar_t* resource;
  std::span<const PropertyCheck> checks;
  std::span<const PropertyText> texts;
  std::span<const PropertyNumber> numbers;
  std::span<const PropertyList> lists;
  bool correctsOnOk;  // OK corrects the partial start and maximum length again
};

extern const PropertyLayout kAdvanceLayout;
extern const PropertyLayout kLookupAdvanceLayout;

// A byte box of these dialogs: a number stores and shows at most 255 (the record's byte,
// never its low 8 bits), an empty box stores 0, and a bad text stores 0 and shows `badText`.
NumberAnswer byteBoxChanged(std::string_view text, std::string_view badText);

class FieldProperties {
 public:
  // Opening: backs up the form, then corrects the partial start (0 becomes 1) and maximum
  // length (0 or above 50 becomes 50).
  FieldProperties(FormRecord form, std::size_t line, const PropertyLayout& layout);

  const PropertyLayout& layout() const { return layout_; }
  std::size_t line() const { return line_; }

  bool checked(int id) const;
  // A control is enabled when the check box that owns it is checked; one owned by none
  // is always enabled.
  bool enabled(int id) const;
  // The text a box shows on opening; the position a list shows.
  std::string text(int id) const;
  std::uint8_t selection(int id) const;

  // Returns the new mark.
  bool toggle(int id);
  TextAnswer textChanged(int id, std::string_view gb);
  NumberAnswer numberChanged(int id, std::string_view text);
  void select(int id, std::uint8_t position);

  void ok();
  // Puts the backed-up form back.
  void cancel();

 private:
  std::uint8_t& byteAt(std::size_t offset) { return form_.bytes()[offset + line_]; }
  std::uint8_t byteAt(std::size_t offset) const { return form_.bytes()[offset + line_]; }
  void correctPartial();

  FormRecord form_;
  std::size_t line_;
  const PropertyLayout& layout_;
  std::array<std::uint8_t, FormRecord::kSize> backup_{};
};

}  // namespace k60::editor
