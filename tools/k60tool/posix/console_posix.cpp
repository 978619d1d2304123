// On POSIX the arguments and the terminal are UTF-8 already.
#include "tools/k60tool/console.h"

#include <unistd.h>

namespace k60::tool {

std::vector<std::string> utf8Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv + 1, argv + argc);
}

void prepareConsole() {}

bool inputIsTerminal() { return isatty(0) != 0; }
bool errorIsTerminal() { return isatty(2) != 0; }

unsigned long processId() { return static_cast<unsigned long>(getpid()); }

}  // namespace k60::tool
