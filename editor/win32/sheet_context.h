// What the property sheet and its pages work on: the template, and the program around it.
#pragma once

#include <windows.h>

#include <functional>

#include "template/store.h"

namespace k60::editor {

struct SheetContext {
  HINSTANCE instance = nullptr;
  HWND owner = nullptr;
  Template& tmpl;
  // The interpreter's reset request: the simulated terminal goes back to its main page and
  // runs the template as the sheet left it.
  std::function<void()> resetInterpreter;
  // How many lines (7 or 8) the simulated terminal's Utility page shows.
  std::function<void(int lines)> setUtilityLines;
};

}  // namespace k60::editor
