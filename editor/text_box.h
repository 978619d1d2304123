// The text box cut at N bytes: a GB2312 text longer than its slot allows is cut, never in
// the middle of a Chinese character, and the cut text is put back into the box.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "template/gb_text.h"

namespace k60::editor {

struct TextAnswer {
  std::string store;
  std::optional<std::string> show;  // the cut text, when the box must change
};

inline TextAnswer cutBoxText(std::string_view gb, std::size_t maxBytes) {
  const std::size_t keep = cutLength(gb, maxBytes);
  if (keep == gb.size()) return {std::string(gb), std::nullopt};
  std::string cut(gb.substr(0, keep));
  return {cut, cut};
}

}  // namespace k60::editor
