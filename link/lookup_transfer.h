// The lookup file download: one checksummed block per line of a text file, then "OVER\r".
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "link/link_context.h"

namespace k60::link {

// The lookup transfer of one attempt over the file's bytes, always from the first line:
// 128-byte chunks with the progress after each, a block per line (LF bytes dropped, a last
// line without CR sent too), then "OVER\r". Every line must fit (firstOverlongLine() == 0).
bool transferLookupFile(LinkContext& ctx, std::span<const std::uint8_t> file);

// Command "下载索引文件" for a file already chosen (UTF-8 path): opens the file ("不能打开文件!"
// when it cannot), refuses a file with a line of more than 253 bytes before the port is
// opened, then runs the download command with the lookup transfer. true when sent.
bool downloadLookupFile(LinkContext& ctx, const LinkChoice& choice, const std::string& path);

}  // namespace k60::link
