// The program image's sections: where each block lands and the changes made on its copy.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "template/barcode_record.h"
#include "template/form_record.h"
#include "template/layout.h"
#include "template/menu_record.h"
#include "template/settings_record.h"

namespace k60::link {

// Every block stands in the image at its store offset minus the 2 bytes of COM settings;
// the program start position's place holds the start target.
constexpr std::size_t imageOffset(Block b) { return blockSpan(b).offset - blockSpan(Block::StartPosition).offset; }

// Writes the slot's text followed by spaces up to `width` bytes and a 0 at byte `width`.
// A text longer than the width is cut there, without leaving half a double-byte character.
void padLine(std::span<std::uint8_t> slot, std::size_t width);

// A menu copy as the terminal takes it: title (when on) and item names padded to the line
// width, and the item count of the names that show something.
void normaliseMenuCopy(MenuRecord menu);

// A codes text of digits and spaces read as its byte values (0 yields nothing); nothing
// when the text holds another character or a number above 255.
std::optional<std::vector<std::uint8_t>> parseCodeList(std::string_view text);

// Replaces a codes slot's text by its byte values and a 0, when it is such a list.
void convertCodeSlot(std::span<std::uint8_t> slot);

// The prefix and suffix codes of a form copy, where their option is on.
void convertFormCodes(FormRecord form);

// Keyboard type + 1; shift/caps lock type and digit layout other than 0 + 1 in their bits.
void adjustBarcodeCopy(BarcodeRecord barcode);

// Every prompt line padded with spaces to its page's width and ended by a 0.
void padPromptSection(std::span<std::uint8_t> prompts);

// Choices 0, 1, 2, 3, 5 and 6 + 1; byte 4 as 0x32.
void adjustSettingsCopy(SettingsRecord settings);

// Letters a to z made upper case; every other byte stays.
void upperCasePassword(std::span<std::uint8_t> password);

}  // namespace k60::link
