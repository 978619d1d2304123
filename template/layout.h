// Sizes and offsets of the eleven template blocks, in the order the template file stores them.
#pragma once

#include <cstddef>

namespace k60 {

enum class Block {
  ComPort,
  StartPosition,
  Barcode,
  Menus,
  Forms,
  Lookups,
  Separator,
  Prompts,
  Settings,
  Password,
  Extension,
};

struct BlockSpan {
  std::size_t offset;
  std::size_t size;
};

inline constexpr std::size_t kMenuCount = 10;
inline constexpr std::size_t kMenuRecordSize = 250;
inline constexpr std::size_t kFormCount = 10;
inline constexpr std::size_t kFormRecordSize = 601;
inline constexpr std::size_t kLookupCount = 3;
inline constexpr std::size_t kLookupRecordSize = 19;
inline constexpr std::size_t kPromptBytes = 1862;

// Screen lines: the large font shows 15 characters a line (a 16-byte slot with its
// terminator), the small font 20 (a 21-byte slot).
inline constexpr std::size_t kLargeFontColumns = 15;
inline constexpr std::size_t kSmallFontColumns = 20;
inline constexpr std::size_t kLargeLineSlot = kLargeFontColumns + 1;
inline constexpr std::size_t kSmallLineSlot = kSmallFontColumns + 1;
constexpr std::size_t lineColumns(bool largeFont) { return largeFont ? kLargeFontColumns : kSmallFontColumns; }

// Offsets inside the store (the file puts an 8-byte magic before them).
inline constexpr BlockSpan kBlocks[] = {
    {0, 2},                                    // COM port settings
    {2, 1},                                    // program start position
    {3, 24},                                   // barcode settings
    {27, kMenuCount * kMenuRecordSize},        // menus
    {2527, kFormCount * kFormRecordSize},      // forms
    {8537, kLookupCount * kLookupRecordSize},  // lookups
    {8594, 2},                                 // data field separator
    {8596, kPromptBytes},                      // prompt texts
    {10458, 20},                               // system settings
    {10478, 10},                               // security password
    {10488, 14},                               // extension block
};

inline constexpr std::size_t kStoreSize = 10502;

constexpr BlockSpan blockSpan(Block b) { return kBlocks[static_cast<std::size_t>(b)]; }

static_assert(blockSpan(Block::Extension).offset + blockSpan(Block::Extension).size == kStoreSize);

}  // namespace k60
