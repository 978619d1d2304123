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
};

}  // namespace k60::editor
