// The lookup file download: one checksummed block per line of a text file, then "OVER\r".
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "link/link_context.h"

namespace k60::link {

// The lookup transfer of one attempt over the file's bytes, always from the first line:
// 128-byte chunks with the progress after each, a block per line (a line ends at a CR or at
// an LF that does not follow one; a last line without an end is sent too), then "OVER\r".
// Every line must fit (firstOverlongLine() == 0).
bool transferLookupFile(LinkContext& ctx, std::span<const std::uint8_t> file);

// What to do with a file in UTF-8 (whose text would show as garbage on the terminal).
enum class LookupEncoding {
  Gb2312,  // the file is GB2312: a file that is UTF-8 and not GB2312 is refused
  Utf8,    // the file is UTF-8: it is converted to GB2312 for the transfer
  Ask,     // ask the user whether to convert such a file (No sends nothing)
};

// What a lookup download sent: the file's lines and bytes after any conversion.
struct LookupSent {
  std::size_t lines = 0;
  std::size_t bytes = 0;
};

// Command "下载索引文件" for the bytes of a file already read: the encoding check (or
// conversion), the refusal of a line of more than 253 bytes, both before the port is
// opened, then the download command with the lookup transfer. true when sent.
bool downloadLookupBytes(LinkContext& ctx, const LinkChoice& choice, std::vector<std::uint8_t> file,
                         LookupEncoding encoding, LookupSent* sent = nullptr);

// The same for a file chosen by name (UTF-8 path); "不能打开文件!" when it cannot be opened.
bool downloadLookupFile(LinkContext& ctx, const LinkChoice& choice, const std::string& path,
                        LookupEncoding encoding = LookupEncoding::Gb2312);

}  // namespace k60::link
