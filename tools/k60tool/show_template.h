// A template as JSON and as readable text, with the system's words for every choice.
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>

#include "template/store.h"

namespace k60::tool {

nlohmann::ordered_json templateJson(Template& t);

// The readable form: every used form line, menu item and lookup, the settings and the
// prompt pages.
void printTemplate(Template& t, std::ostream& out);

}  // namespace k60::tool
