// The command table: one function per command id of the menu, the accelerators and the code.
#include "shell/win32/command_dispatch.h"

#include <iterator>

#include "resources/resource_ids.h"
#include "shell/win32/about_box.h"

namespace k60::shell {
namespace {

// Not wired yet: file commands, the property sheet, the COM dialog, transfers and help
// follow with those subsystems.
void newTemplate(AppState&) {}
void openTemplate(AppState&) {}
void saveTemplate(AppState&) {}
void saveTemplateAs(AppState&) {}
void editTemplate(AppState&) {}
void comSettings(AppState&) {}
void downloadProgramSerial(AppState&) {}
void downloadProgramIr(AppState&) {}
void downloadLookupSerial(AppState&) {}
void downloadLookupIr(AppState&) {}
void collectSerial(AppState&) {}
void collectIr(AppState&) {}
void collectTransport2(AppState&) {}
void helpContents(AppState&) {}
void helpFinder(AppState&) {}

void about(AppState& app) { showAboutBox(app.instance, app.mainWindow); }

// WM_CLOSE, not DestroyWindow: Exit must take the same path as Alt+F4.
void exitProgram(AppState& app) { SendMessageW(app.mainWindow, WM_CLOSE, 0, 0); }

struct Command {
  int id;
  void (*run)(AppState&);
};

constexpr Command kCommands[] = {
    {IDM_NEW, newTemplate},
    {IDM_OPEN, openTemplate},
    {IDM_SAVE, saveTemplate},
    {IDM_SAVE_AS, saveTemplateAs},
    {IDM_EXIT, exitProgram},
    {IDM_EDIT, editTemplate},
    {IDM_COM_SETTINGS, comSettings},
    {IDM_DOWNLOAD_PROGRAM_SERIAL, downloadProgramSerial},
    {IDM_DOWNLOAD_PROGRAM_IR, downloadProgramIr},
    {IDM_DOWNLOAD_LOOKUP_SERIAL, downloadLookupSerial},
    {IDM_DOWNLOAD_LOOKUP_IR, downloadLookupIr},
    {IDM_COLLECT_SERIAL, collectSerial},
    {IDM_COLLECT_IR, collectIr},
    {IDM_COLLECT_TRANSPORT_2, collectTransport2},
    {IDM_HELP_CONTENTS, helpContents},
    {IDM_HELP_FINDER, helpFinder},
    {IDM_ABOUT, about},
};

const Command* find(int id) {
  for (const Command& c : kCommands)
    if (c.id == id) return &c;
  return nullptr;
}

}  // namespace

bool isKnownCommand(int id) { return find(id) != nullptr; }

bool dispatchCommand(AppState& app, int id) {
  const Command* c = find(id);
  if (!c) return false;
  c->run(app);
  return true;
}

}  // namespace k60::shell
