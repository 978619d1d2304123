// The lookup file transfer and the command that reads, checks and sends the file.
#include "link/lookup_transfer.h"

#include <algorithm>
#include <optional>

#include "link/download.h"
#include "link/link_messages.h"
#include "link/lookup_file.h"

namespace k60::link {
namespace {

constexpr std::size_t kChunkBytes = 128;

// Sends the lines that a chunk completes; `line` carries a line over to the next chunk.
bool sendChunk(LinkContext& ctx, std::span<const std::uint8_t> chunk, LookupLineEnds& ends,
               std::vector<std::uint8_t>& line) {
  for (const std::uint8_t b : chunk) {
    switch (ends.classify(b)) {
      case LookupLineEnds::Byte::Text:
        line.push_back(b);
        break;
      case LookupLineEnds::Byte::LineEnd:
        if (!sendBlock(ctx, lineBlock(line))) return false;
        line.clear();
        break;
      case LookupLineEnds::Byte::Skipped:
        break;
    }
  }
  return true;
}

bool sendLines(LinkContext& ctx, std::span<const std::uint8_t> file) {
  std::vector<std::uint8_t> line;
  LookupLineEnds ends;
  const std::uint64_t size = file.size();
  for (std::size_t done = 0; done < file.size();) {
    const auto chunk = file.subspan(done, std::min(kChunkBytes, file.size() - done));
    if (!sendChunk(ctx, chunk, ends, line)) return false;
    done += chunk.size();
    ctx.ui.progressSet(static_cast<int>(done * std::uint64_t{100} / size));
  }
  return line.empty() || sendBlock(ctx, lineBlock(line));
}

void refuse(LinkContext& ctx, std::string_view format, std::size_t line) {
  ctx.ui.showMessage(lineMessage(format, line), text::kErrorCaption, MessageIcon::Exclamation);
}

// The file as it is to be sent: converted from UTF-8 where asked; nothing when refused (the
// reason shown) or when the user declined the conversion.
std::optional<std::vector<std::uint8_t>> encodedForTerminal(LinkContext& ctx, std::vector<std::uint8_t> file,
                                                            LookupEncoding encoding) {
  bool convert = encoding == LookupEncoding::Utf8;
  if (!convert) {
    const std::size_t line = firstUtf8OnlyLine(file);
    if (line == 0) return file;
    if (encoding == LookupEncoding::Gb2312) {
      refuse(ctx, text::kLookupUtf8LineFormat, line);
      return std::nullopt;
    }
    if (!ctx.ui.askYesNo(lineMessage(text::kLookupConvertQuestionFormat, line), text::kDownloadCaption,
                         MessageIcon::Question))
      return std::nullopt;
  }
  LookupConversion converted = convertUtf8LookupFile(file);
  if (converted.failedLine != 0) {
    refuse(ctx, text::kLookupNoGbFormFormat, converted.failedLine);
    return std::nullopt;
  }
  return std::move(converted.bytes);
}

}  // namespace

bool transferLookupFile(LinkContext& ctx, std::span<const std::uint8_t> file) {
  if (!sendLines(ctx, file)) return false;
  ctx.ui.progressSet(100);
  return sendBlock(ctx, wordBytes(text::kOver));
}

bool downloadLookupBytes(LinkContext& ctx, const LinkChoice& choice, std::vector<std::uint8_t> file,
                         LookupEncoding encoding, LookupSent* sent) {
  const auto bytes = encodedForTerminal(ctx, std::move(file), encoding);
  if (!bytes) return false;
  if (const std::size_t line = firstOverlongLine(*bytes)) {
    refuse(ctx, text::kLookupLineTooLongFormat, line);
    return false;
  }
  if (sent) *sent = {lookupLines(*bytes).size(), bytes->size()};
  const std::span<const std::uint8_t> view(*bytes);
  return runDownload(ctx, choice, [view](LinkContext& c) { return transferLookupFile(c, view); });
}

bool downloadLookupFile(LinkContext& ctx, const LinkChoice& choice, const std::string& path,
                        LookupEncoding encoding) {
  auto file = readLookupFile(path);
  if (!file) {
    ctx.ui.showMessage(text::kCannotOpenFile, text::kErrorCaption, MessageIcon::Exclamation);
    return false;
  }
  return downloadLookupBytes(ctx, choice, std::move(*file), encoding);
}

}  // namespace k60::link
