// Path helpers shared by the platform file implementations.
#include "template/file_io.h"

namespace k60 {

namespace {

#ifdef _WIN32
constexpr const char* kSeparators = "/\\";
#else
constexpr const char* kSeparators = "/";
#endif

}  // namespace

std::string directoryOf(const std::string& path) {
  const std::size_t slash = path.find_last_of(kSeparators);
  if (slash == std::string::npos) return ".";
  // Keep the separator of a root: "/x" is in "/", and "C:\x" in "C:\" (not "C:").
  if (slash == 0 || path[slash - 1] == ':') return path.substr(0, slash + 1);
  return path.substr(0, slash);
}

}  // namespace k60
