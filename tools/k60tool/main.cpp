// k60tool: the command-line companion of the application generator.
#include <iostream>

#include "tools/k60tool/tool.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return k60::tool::run(args, std::cout, std::cerr);
}
