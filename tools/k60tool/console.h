// The process edge of k60tool: arguments as UTF-8 and a console that shows UTF-8 output.
#pragma once

#include <string>
#include <vector>

namespace k60::tool {

// The command-line arguments after the program name, as UTF-8.
std::vector<std::string> utf8Arguments(int argc, char** argv);

// Makes the console show the UTF-8 text the commands print.
void prepareConsole();

// Whether standard input and standard error are a person's terminal (a console on Windows).
bool inputIsTerminal();
bool errorIsTerminal();

// This process's id, for the names of temporary files.
unsigned long processId();

}  // namespace k60::tool
