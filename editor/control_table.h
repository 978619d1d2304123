// Finding a control's row in a table of controls.
#pragma once

#include <algorithm>
#include <iterator>
#include <type_traits>
#include <utility>

namespace k60::editor {

// The row of `table` (an array or a span of rows) whose `key` member, by default the control
// id, is `value`; nullptr when no row has it.
template <typename Table, typename Row = std::remove_cvref_t<decltype(*std::begin(std::declval<const Table&>()))>>
const Row* findId(const Table& table, int value, int Row::*key = &Row::id) {
  const auto row = std::find_if(std::begin(table), std::end(table), [&](const Row& r) { return r.*key == value; });
  return row == std::end(table) ? nullptr : &*row;
}

}  // namespace k60::editor
