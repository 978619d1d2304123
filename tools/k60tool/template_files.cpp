// Template file access for the commands.
#include "tools/k60tool/template_files.h"

#include "link/link_messages.h"
#include "template/atx_file.h"
#include "tools/k60tool/tool_messages.h"

namespace k60::tool {

bool loadTemplate(const std::string& path, Template& t, std::ostream& err) {
  std::string bytes;
  if (!readWholeFile(path, bytes, err)) return false;
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
  if (decodeTemplateFile({data, bytes.size()}, t) == ReadStatus::Ok) {
    if (!isStdStream(path)) t.setFileName(path);  // refused when too long, as Open does
    return true;
  }
  printMessage(err, {kErrorCaption, kFormatMismatchMessage, "not a template file of a known format",
                     isStdStream(path) ? "(standard input)" : path});
  return false;
}

bool saveTemplate(const std::string& path, const Template& t, std::ostream& out, std::ostream& err) {
  const auto file = encodeTemplateFile(t);
  const std::string_view bytes(reinterpret_cast<const char*>(file.data()), file.size());
  if (writeFileOrStdout(path, bytes, out, [&] { return writeTemplateFile(path, t); })) return true;
  printMessage(err, {kErrorCaption, kSaveFailedMessage, "the file could not be written; nothing was changed",
                     isStdStream(path) ? "(standard output)" : path});
  return false;
}

}  // namespace k60::tool
