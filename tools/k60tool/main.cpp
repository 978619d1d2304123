// k60tool: the command-line companion of the application generator.
#include <iostream>

#include "tools/k60tool/console.h"
#include "tools/k60tool/tool.h"

int main(int argc, char** argv) {
  k60::tool::prepareConsole();
  return k60::tool::run(k60::tool::utf8Arguments(argc, argv), std::cout, std::cerr);
}
