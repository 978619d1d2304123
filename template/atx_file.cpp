// Template file writer and reader, with the version handling of format 3.10 files.
#include "template/atx_file.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "template/file_io.h"
#include "template/form_record.h"
#include "template/lookup_record.h"
#include "template/menu_record.h"
#include "template/prompt_pages.h"

namespace k60 {
namespace {

bool hasAcceptedMagic(std::span<const std::uint8_t> file) {
  if (file.size() < kAtxMagicSize) return false;
  const std::string_view magic(reinterpret_cast<const char*>(file.data()), kAtxMagicSize);
  return magic == kAtxMagic || magic == kAtxMagicOld;
}

void forceLargeFont(Template& t) {
  for (std::size_t i = 0; i < kFormCount; ++i) t.form(i).setFont(1);
  for (std::size_t i = 0; i < kMenuCount; ++i) t.menu(i).setFont(1);
}

void applyOldFileDefaults(Template& t) {
  t.extension().reset();
  PromptPage page = t.prompt(PromptPageId::RecordPrompt);
  for (std::size_t line = 0; line < kOldFileRecordPromptTexts.size(); ++line)
    writeSlotExact(page.lineSlot(line), kOldFileRecordPromptTexts[line]);
}

}  // namespace

std::vector<std::uint8_t> encodeTemplateFile(const Template& t) {
  std::vector<std::uint8_t> file(kAtxFileSize, 0);
  std::copy(kAtxMagic.begin(), kAtxMagic.end(), file.begin());
  const ConstBytes store = t.bytes();
  std::copy(store.begin(), store.end(), file.begin() + kAtxMagicSize);
  return file;
}

ReadStatus decodeTemplateFile(std::span<const std::uint8_t> file, Template& t) {
  if (!hasAcceptedMagic(file) || file.size() < kAtxMinimumSize) return ReadStatus::FormatMismatch;
  Template read;
  std::copy(t.bytes().begin(), t.bytes().end(), read.bytes().begin());
  const std::size_t end = std::min(file.size(), kAtxBlocksEnd);
  std::copy(file.begin() + kAtxMagicSize, file.begin() + end, read.bytes().begin());
  forceLargeFont(read);
  if (end < kAtxBlocksEnd || !read.extension().hasMarker()) applyOldFileDefaults(read);
  std::copy(read.bytes().begin(), read.bytes().end(), t.bytes().begin());
  return ReadStatus::Ok;
}

ReadStatus readTemplateFile(const std::string& path, Template& t) {
  const auto file = readFilePrefix(path, kAtxBlocksEnd);
  if (!file) return ReadStatus::CannotOpen;
  return decodeTemplateFile(*file, t);
}

bool writeTemplateFile(const std::string& path, const Template& t) {
  return replaceFile(path, encodeTemplateFile(t));
}

ReadStatus openTemplate(Template& t, const std::string& path) {
  t.clearFileName();
  const ReadStatus status = readTemplateFile(path, t);
  if (status == ReadStatus::Ok) t.setFileName(path);
  return status;
}

std::optional<std::string> saveAsFileName(std::string_view chosen) {
  std::string name(chosen);
  auto upper = [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); };
  const bool hasExtension = name.size() >= 4 && name[name.size() - 4] == '.' &&
                            upper(name[name.size() - 3]) == 'A' && upper(name[name.size() - 2]) == 'T' &&
                            upper(name[name.size() - 1]) == 'X';
  if (!hasExtension) name += ".ATX";
  if (Template::fileNameBytes(name) > Template::kMaxFileNameBytes) return std::nullopt;
  return name;
}

}  // namespace k60
