// On POSIX the arguments and the terminal are UTF-8 already.
#include "tools/k60tool/console.h"

namespace k60::tool {

std::vector<std::string> utf8Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv + 1, argv + argc);
}

void prepareConsole() {}

}  // namespace k60::tool
