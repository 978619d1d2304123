// The template file (ATX): an 8-byte magic, the eleven blocks in store order, 86 zero bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "template/error_caption.h"
#include "template/store.h"

namespace k60 {

inline constexpr std::size_t kAtxFileSize = 10596;
inline constexpr std::size_t kAtxMagicSize = 8;
inline constexpr std::size_t kAtxTrailerSize = 86;
inline constexpr std::string_view kAtxMagic = "Kxx-4.00";
inline constexpr std::string_view kAtxMagicOld = "Kxx-3.10";
// A file must reach the end of the security password to be read; the extension block
// after it is optional.
inline constexpr std::size_t kAtxMinimumSize = kAtxMagicSize + blockSpan(Block::Extension).offset;
inline constexpr std::size_t kAtxBlocksEnd = kAtxMagicSize + kStoreSize;

// The system's texts for file failures (UTF-8), caption kErrorCaption.
inline constexpr std::string_view kFormatMismatchMessage = "格式不匹配 !!!";
inline constexpr std::string_view kSaveFailedMessage = "保存文件失败 !!!";

enum class ReadStatus {
  Ok,
  CannotOpen,      // silent: the file could not be opened or read
  FormatMismatch,  // "格式不匹配 !!!"
};

// The whole 10,596-byte file for the template as it stands.
std::vector<std::uint8_t> encodeTemplateFile(const Template& t);

// Reads the blocks from a file's bytes into the store. Forms and menus get the large-font
// byte; a file without the extension marker gets the extension defaults and the old
// record-prompt texts. The store is changed only when the result is Ok; the changed flag
// and the current file name are never touched.
ReadStatus decodeTemplateFile(std::span<const std::uint8_t> file, Template& t);

ReadStatus readTemplateFile(const std::string& path, Template& t);

// Writes the template through a temporary file; false leaves an existing file untouched.
bool writeTemplateFile(const std::string& path, const Template& t);

// Open: the current file name is emptied first and becomes `path` only when the file was
// read (and the name fits its 255 bytes).
ReadStatus openTemplate(Template& t, const std::string& path);

// Save As naming: a name that does not end in ".ATX" (any case) gets ".ATX" appended.
// No result when the name would not fit the current file name's 255 bytes.
std::optional<std::string> saveAsFileName(std::string_view chosen);

}  // namespace k60
