// What the running program owns: the one template and the window handles its parts share.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "template/store.h"

namespace k60::shell {

// One per process, created in wWinMain and reached from each window through its user data,
// so that tests can build as many independent programs as they like.
struct AppState {
  HINSTANCE instance = nullptr;   // every resource is loaded through it
  HWND mainWindow = nullptr;
  HWND faceWindow = nullptr;
  std::wstring programDir;        // ends with its backslash (C:\APP\ for C:\APP\PROG.EXE)
  Template tmpl;
  // Opens a document (the help pages) in the system's viewer; false when it could not.
  // Empty means the shell's own way; tests put a recorder here.
  std::function<bool(const std::wstring& path)> openDocument;
};

}  // namespace k60::shell
