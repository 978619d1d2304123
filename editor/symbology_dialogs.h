// The thirteen symbology dialogs opened by the barcode page's "参数..." buttons, as data:
// which bit or field of the barcode record each check box and radio group shows, and a
// model that answers their controls and writes the record at the dialog's OK.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editor/barcode_controls.h"

namespace k60::editor {

// How a radio group's selected position maps to the record.
enum class RadioBinding {
  Field,     // position = the field's value
  FlagSet,   // two buttons: the first sets the flag, the second clears it
  FlagThenField,  // the first button clears the flag (and the field); button n sets the flag and writes n - 1
};

// A radio group: `count` consecutive ids from `firstId`.
struct RadioGroupInfo {
  int firstId;
  int count;
  RadioBinding binding;
  BarcodeField field;  // Field, FlagThenField
  BarcodeFlag flag;    // FlagSet, FlagThenField
};

// The length mode radios ("固定长度", then "最大/最小长度") and the two length boxes.
struct LengthControls {
  LengthSymbology symbology;
  int fixedId;  // the range button follows it
};

struct SymbologyDialogInfo {
  int button;                 // the page's button that opens the dialog
  const wchar_t* resource;    // its dialog template
  std::span<const FlagBox> boxes;
  std::span<const RadioGroupInfo> radios;
  std::optional<LengthControls> lengths;
};

extern const std::array<SymbologyDialogInfo, 13> kSymbologyDialogs;

// The dialog that page button `button` opens, or none.
const SymbologyDialogInfo* symbologyDialogFor(int button);

// The labels of the two length boxes for a length mode.
std::pair<std::string_view, std::string_view> lengthLabels(bool range);
// OK's lengths from the current ones: a first length of 0 becomes 1; the second lies
// between 1 and the first.
LengthLimit lengthsToStore(bool range, std::uint32_t first, std::uint32_t second);

// One dialog's controls, read from the record when it opens.
class SymbologyDialogModel {
 public:
  SymbologyDialogModel(const SymbologyDialogInfo& info, const BarcodeRecord& record);

  // Every check box and radio button of the dialog.
  std::vector<int> buttons() const;
  bool checked(int id) const;
  // Button `id` clicked: a check box inverts, a radio button becomes its group's choice.
  // False when the dialog has no such button.
  bool click(int id);

  bool hasLengths() const { return info_.lengths.has_value(); }
  bool range() const { return range_; }
  std::string firstLengthText() const { return std::to_string(first_); }
  std::string secondLengthText() const { return std::to_string(second_); }
  // A length box's new text: returns the text that replaces one that is not a number.
  std::optional<std::string> firstLengthChanged(std::string_view text);
  std::optional<std::string> secondLengthChanged(std::string_view text);

  // OK: the radio groups, the check boxes, then the lengths; every other bit kept.
  void ok(BarcodeRecord record) const;

 private:
  const SymbologyDialogInfo& info_;
  std::vector<bool> boxes_;
  std::vector<int> radios_;  // each group's position, -1 when none (OK keeps the field)
  bool range_ = false;
  std::uint32_t first_ = 0;
  std::uint32_t second_ = 0;
};

}  // namespace k60::editor
