// The program directory: where the program's own files (the help file) are looked for.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace k60::shell {

// The path up to and including its last backslash; empty when there is none.
std::wstring directoryOf(std::wstring_view path);

// The directory of the module the process was started from.
std::wstring programDirectory();

}  // namespace k60::shell
