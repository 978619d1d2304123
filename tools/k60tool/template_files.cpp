// Template file access for the commands.
#include "tools/k60tool/template_files.h"

#include "template/atx_file.h"

namespace k60::tool {

bool loadTemplate(const std::string& path, Template& t, std::ostream& err) {
  switch (openTemplate(t, path)) {
    case ReadStatus::Ok:
      return true;
    case ReadStatus::CannotOpen:
      err << path << ": cannot open the file\n";
      return false;
    case ReadStatus::FormatMismatch:
      err << kFormatMismatchMessage << " (" << path << ": not a template file of a known format)\n";
      return false;
  }
  return false;
}

bool saveTemplate(const std::string& path, const Template& t, std::ostream& err) {
  if (writeTemplateFile(path, t)) return true;
  err << kSaveFailedMessage << " (" << path << ": the file could not be written; nothing was changed)\n";
  return false;
}

}  // namespace k60::tool
