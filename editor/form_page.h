// The form page's model: a working copy of the ten form records, the form shown, and what
// the page's controls do to it. Written back, normalised and fixed up on the sheet's OK.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "editor/number_box.h"
#include "editor/text_box.h"
#include "template/choice_lists.h"
#include "template/form_record.h"
#include "template/store.h"

namespace k60::editor {

// A header list of the form page and the byte of the form it shows. The two target lists
// have no `items`: their texts are the 21 target labels.
struct FormHeaderControl {
  int id;
  std::size_t offset;
  const choices::List* items;
};
extern const std::array<FormHeaderControl, 7> kFormHeaderLists;

// The controls of one line, enabled or not.
struct LineState {
  bool type = false;
  bool prompt = false;
  bool source = false;
  bool lengths = false;  // minimum and maximum
  bool binding = false;
  bool more = false;
  bool operator==(const LineState&) const = default;
};

// The line rules (which controls a data type uses) under the font rule (a large-font form
// uses lines 1 to 4 only).
LineState lineState(bool largeFont, std::size_t line, std::uint8_t type);

// Which property dialog a line's "更多..." opens.
enum class PropertyDialogKind { Advance, LookupAdvance };

class FormPageModel {
 public:
  static constexpr std::size_t kBytes = kFormCount * kFormRecordSize;

  explicit FormPageModel(const Template& t);

  // The form shown, 0..9; choosing one shows it from the start.
  std::size_t current() const { return current_; }
  void choose(std::size_t form);
  FormRecord form() { return form(current_); }
  FormRecord form(std::size_t index);
  std::size_t promptLimit();
  LineState lineState(std::size_t line);

  // Header list `id` (750..756): the byte it shows, and a new selection.
  std::uint8_t headerValue(int id);
  void selectHeader(int id, std::uint8_t position);

  // The lines' controls, line 0..7.
  void setDataType(std::size_t line, std::uint8_t type);
  void setSource(std::size_t line, std::uint8_t position);
  void setBinding(std::size_t line, std::uint8_t position);
  TextAnswer promptChanged(std::size_t line, std::string_view gb);
  // The page wrote a length box itself (its fill for the form shown).
  void lengthFilled(int id, std::string_view text);
  // Boxes 611..618 (minimum) and 621..628 (maximum).
  NumberAnswer lengthChanged(int id, std::string_view text);
  PropertyDialogKind propertyDialog(std::size_t line);

  // The sheet's OK, in order: the forms into the template, the changed flag, the post-edit
  // normalisation, the Utility page line count from lookup 1 (given to `setUtilityLines`),
  // the continuation fix-up.
  void apply(Template& t, const std::function<void(int)>& setUtilityLines) const;

 private:
  std::optional<std::size_t> lengthBox(int id) const;

  std::array<std::uint8_t, kBytes> copy_{};
  std::size_t current_ = 0;
  // 0..7 the minimum boxes, 8..15 the maximum boxes.
  std::vector<NumberBox> lengths_;
};

}  // namespace k60::editor
