// The lookup file transfer and the command that reads, checks and sends the file.
#include "link/lookup_transfer.h"

#include <algorithm>
#include <vector>

#include "link/download.h"
#include "link/link_messages.h"
#include "link/lookup_file.h"

namespace k60::link {
namespace {

constexpr std::size_t kChunkBytes = 128;
constexpr std::uint8_t kCr = 0x0D;
constexpr std::uint8_t kLf = 0x0A;

// Sends the lines that a chunk completes; `line` carries a line over to the next chunk.
bool sendChunk(LinkContext& ctx, std::span<const std::uint8_t> chunk,
               std::vector<std::uint8_t>& line) {
  for (const std::uint8_t b : chunk) {
    if (b == kCr) {
      if (!sendBlock(ctx, lineBlock(line))) return false;
      line.clear();
    } else if (b != kLf) {
      line.push_back(b);
    }
  }
  return true;
}

bool sendLines(LinkContext& ctx, std::span<const std::uint8_t> file) {
  std::vector<std::uint8_t> line;
  const std::uint64_t size = file.size();
  for (std::size_t done = 0; done < file.size();) {
    const auto chunk = file.subspan(done, std::min(kChunkBytes, file.size() - done));
    if (!sendChunk(ctx, chunk, line)) return false;
    done += chunk.size();
    ctx.ui.progressSet(static_cast<int>(done * std::uint64_t{100} / size));
  }
  return line.empty() || sendBlock(ctx, lineBlock(line));
}

}  // namespace

bool transferLookupFile(LinkContext& ctx, std::span<const std::uint8_t> file) {
  if (!sendLines(ctx, file)) return false;
  ctx.ui.progressSet(100);
  return sendBlock(ctx, wordBytes(text::kOver));
}

bool downloadLookupFile(LinkContext& ctx, const LinkChoice& choice, const std::string& path) {
  const auto file = readLookupFile(path);
  if (!file) {
    ctx.ui.showMessage(text::kCannotOpenFile, text::kErrorCaption, MessageIcon::Exclamation);
    return false;
  }
  if (const std::size_t line = firstOverlongLine(*file)) {
    ctx.ui.showMessage(overlongLineMessage(line), text::kErrorCaption, MessageIcon::Exclamation);
    return false;
  }
  const std::span<const std::uint8_t> bytes(*file);
  return runDownload(ctx, choice, [bytes](LinkContext& c) { return transferLookupFile(c, bytes); });
}

}  // namespace k60::link
