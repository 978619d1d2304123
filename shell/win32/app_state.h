// What the running program owns: the one template and the window handles its parts share.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "link/clock.h"
#include "link/serial_port.h"
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

  // ---- The serial transfers ----
  // The port and the clock of a transfer. Empty means the system's (the COM port, the tick
  // counter); tests put a scripted terminal and a virtual clock here.
  std::function<std::unique_ptr<link::SerialPort>()> makePort;
  link::Clock* clock = nullptr;
  // The line settings (the DCB) kept from one transfer to the next: DTR and RTS stay high
  // once an IR transceiver command has raised them.
  link::LineSettings line;
  // The lookup file chosen last; the next lookup command's dialog starts with it.
  std::wstring lookupFileName;
  // The counter box's text, which also sizes the next collection's box.
  std::wstring counterText = L"接收到的数据 : 0   ";
  // Starts a program (full path) with a command line, without waiting for it: the text
  // editor after a collection. Empty means CreateProcess; tests record instead.
  std::function<bool(const std::wstring& program, const std::wstring& commandLine)> startProgram;
};

}  // namespace k60::shell
