// The program directory, from the running module's path.
#include "shell/win32/program_dir.h"

namespace k60::shell {

std::wstring directoryOf(std::wstring_view path) {
  const auto slash = path.rfind(L'\\');
  if (slash == std::wstring_view::npos) return {};
  return std::wstring(path.substr(0, slash + 1));
}

std::wstring programDirectory() {
  // GetModuleFileName truncates silently: grow until the whole path fits.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return directoryOf(path);
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace k60::shell
