// Checking a lookup file against its lookup's layout, line by line.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "link/lookup_layout.h"
#include "link/lookup_problems.h"

namespace k60::link {

// Every line (split as the transfer splits them) that breaks the layout: longer than a
// transfer carries, not GB2312 text; fixed length: not the member length, a field whose
// bounds cut a Chinese character; separator: another number of fields, a field longer than
// its length. A layout that no file can follow gives its one problem.
std::vector<LookupProblem> checkLookupFile(std::span<const std::uint8_t> file, const LookupLayout& layout);

}  // namespace k60::link
