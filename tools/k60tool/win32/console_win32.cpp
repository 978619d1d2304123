// On Windows argv is in the ANSI code page, which cannot hold every file name: take the
// UTF-16 command line instead, and switch the console to UTF-8 output.
#include <windows.h>
#include <shellapi.h>

#include "template/win32/utf16_text.h"
#include "tools/k60tool/console.h"

namespace k60::tool {
std::vector<std::string> utf8Arguments(int argc, char** argv) {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!wide) return std::vector<std::string>(argv + 1, argv + argc);
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i) args.push_back(utf16ToUtf8(wide[i]));
  LocalFree(wide);
  return args;
}

void prepareConsole() { SetConsoleOutputCP(CP_UTF8); }

namespace {
bool isConsole(DWORD stdHandle) { return GetFileType(GetStdHandle(stdHandle)) == FILE_TYPE_CHAR; }
}  // namespace

bool inputIsTerminal() { return isConsole(STD_INPUT_HANDLE); }
bool errorIsTerminal() { return isConsole(STD_ERROR_HANDLE); }

unsigned long processId() { return GetCurrentProcessId(); }

}  // namespace k60::tool
