// Loading and saving templates for the commands, with the system's messages on failure.
// "-" reads standard input or writes standard output.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "template/store.h"

namespace k60::tool {

// Reads a template file; on failure prints the system's message and an English gloss.
bool loadTemplate(const std::string& path, Template& t, std::ostream& err);

// Writes a template file (or to `out` for "-"); on failure prints the system's message
// and an English gloss.
bool saveTemplate(const std::string& path, const Template& t, std::ostream& out, std::ostream& err);

}  // namespace k60::tool
