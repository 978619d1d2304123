// The settings page's model: a working copy of the system settings record and the password
// as typed, answering the page's controls and written back on the sheet's OK.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "editor/text_box.h"
#include "template/choice_lists.h"
#include "template/settings_record.h"
#include "template/store.h"

namespace k60::editor {

// A control that shows one byte of the settings record.
struct SettingsControl {
  int id;
  std::size_t offset;
  const choices::List* items;  // drop-down lists only
};

// Check boxes 101..112 over the security-check bytes 8..19.
extern const std::array<SettingsControl, 12> kSecurityBoxes;
// The six drop-down lists over bytes 0, 1, 2, 3, 5 and 6.
extern const std::array<SettingsControl, 6> kSettingsLists;

class SettingsPageModel {
 public:
  static constexpr std::size_t kPasswordBytes = 10;

  // Takes the working copy.
  explicit SettingsPageModel(Template& t);

  // The byte a control shows (a check box's mark is that byte being non-zero).
  std::uint8_t value(int id) const;
  // Check box `id` clicked: flips its byte; returns the new mark.
  bool toggle(int id);
  // List `id` now shows position `position`.
  void select(int id, std::uint8_t position);
  // The password box's text is now `gb`.
  TextAnswer passwordChanged(std::string_view gb);
  const std::string& password() const { return password_; }

  // The sheet's OK: the record and the password into the template.
  void apply(Template& t) const;

 private:
  std::uint8_t* byteOf(int id);
  std::array<std::uint8_t, SettingsRecord::kSize> copy_{};
  std::string password_;
};

}  // namespace k60::editor
