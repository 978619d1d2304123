// The program image: the whole template as the terminal stores and runs it, 10,500 bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "template/store.h"

namespace k60::link {

inline constexpr std::size_t kProgramImageSize = 10500;
using ProgramImage = std::array<std::uint8_t, kProgramImageSize>;

// The download sends the image in blocks: 100 image bytes, the sum high, the sum low and
// the block number.
inline constexpr std::size_t kProgramBlockData = 100;
inline constexpr int kProgramBlockCount = static_cast<int>(kProgramImageSize / kProgramBlockData);
inline constexpr std::size_t kProgramBlockSize = kProgramBlockData + 3;

// Builds the image from the template. Normalises the template's own form records in place
// first (those changes stay in the template; the changed flag is not touched); menus and the
// other sections are adjusted on copies. Cannot fail.
ProgramImage buildProgramImage(Template& t);

}  // namespace k60::link
