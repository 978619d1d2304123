// k60tool's entry: parses a command line and runs the command, writing to the given streams.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace k60::tool {

// Exit status: 0 done, 1 the operation failed, 2 the command line is wrong.
enum ExitCode { kDone = 0, kFailed = 1, kUsage = 2 };

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace k60::tool
