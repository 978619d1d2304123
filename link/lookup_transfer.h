// The lookup file download: one checksummed block per line of a text file, then "OVER\r".
#pragma once

#include <string>

#include "link/link_context.h"

namespace k60::link {

// Command "下载索引文件" for a file already chosen (UTF-8 path): opens the file ("不能打开文件!"
// when it cannot), refuses a file with a line of more than 253 bytes before the port is
// opened, then runs the download command with the lookup transfer. true when sent.
bool downloadLookupFile(LinkContext& ctx, const LinkChoice& choice, const std::string& path);

}  // namespace k60::link
