// The program transfer: the image cut into 105 checksummed, numbered blocks.
#include <cstdint>
#include <memory>

#include "link/download.h"

namespace k60::link {

ProgramBlock programBlock(const ProgramImage& image, int n) {
  ProgramBlock block{};
  unsigned sum = 0;
  const std::size_t from = static_cast<std::size_t>(n) * kProgramBlockData;
  for (std::size_t i = 0; i < kProgramBlockData; ++i) {
    block[i] = image[from + i];
    sum += block[i];
  }
  block[100] = static_cast<std::uint8_t>(sum / 256);
  block[101] = static_cast<std::uint8_t>(sum % 256);
  block[102] = static_cast<std::uint8_t>(n);
  return block;
}

bool transferProgram(LinkContext& ctx, Template& t) {
  // 10,500 bytes: kept off the stack of the user-interface thread.
  const auto image = std::make_unique<ProgramImage>(buildProgramImage(t));
  for (int n = 0; n < kProgramBlockCount; ++n) {
    if (!sendBlock(ctx, programBlock(*image, n))) return false;
    ctx.ui.progressSet(n + 5);
  }
  ctx.ui.progressSet(100);
  return true;
}

bool downloadProgram(LinkContext& ctx, const LinkChoice& choice, Template& t) {
  return runDownload(ctx, choice, [&t](LinkContext& c) { return transferProgram(c, t); });
}

}  // namespace k60::link
