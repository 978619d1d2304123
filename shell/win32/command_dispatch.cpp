// The command table: one function per command id of the menu, the accelerators and the code.
#include "shell/win32/command_dispatch.h"

#include "editor/control_table.h"
#include "resources/resource_ids.h"
#include "shell/win32/file_commands.h"
#include "shell/win32/help_commands.h"
#include "shell/win32/later_commands.h"
#include "shell/win32/transfer_commands.h"
#include "ui/win32/dialog.h"

namespace k60::shell {
namespace {

void newCommand(AppState& app) { newTemplate(app); }
void openCommand(AppState& app) { openTemplateFile(app); }
void saveCommand(AppState& app) { saveTemplate(app); }
void saveAsCommand(AppState& app) { saveTemplateAs(app); }
using link::Transport;
void downloadProgramSerial(AppState& app) { downloadProgram(app, Transport::Cable); }
void downloadProgramIr(AppState& app) { downloadProgram(app, Transport::IrTransceiver); }
void downloadLookupSerial(AppState& app) { downloadLookupFile(app, Transport::Cable); }
void downloadLookupIr(AppState& app) { downloadLookupFile(app, Transport::IrTransceiver); }
void collectSerial(AppState& app) { collectData(app, Transport::Cable); }
void collectIr(AppState& app) { collectData(app, Transport::IrTransceiver); }
void collectTransport2(AppState& app) { collectData(app, Transport::CableAlternate); }

// Everything the About box shows is in its dialog resource; OK, Esc and the close box close it.
void about(AppState& app) { ui::Dialog().runModal(app.instance, L"AboutBox", app.mainWindow); }

// WM_CLOSE, not DestroyWindow: Exit must take the same path as Alt+F4.
void exitProgram(AppState& app) { SendMessageW(app.mainWindow, WM_CLOSE, 0, 0); }

struct Command {
  int id;
  void (*run)(AppState&);
};

constexpr Command kCommands[] = {
    {IDM_NEW, newCommand},
    {IDM_OPEN, openCommand},
    {IDM_SAVE, saveCommand},
    {IDM_SAVE_AS, saveAsCommand},
    {IDM_EXIT, exitProgram},
    {IDM_EDIT, showPropertySheet},
    {IDM_COM_SETTINGS, showComSettings},
    {IDM_DOWNLOAD_PROGRAM_SERIAL, downloadProgramSerial},
    {IDM_DOWNLOAD_PROGRAM_IR, downloadProgramIr},
    {IDM_DOWNLOAD_LOOKUP_SERIAL, downloadLookupSerial},
    {IDM_DOWNLOAD_LOOKUP_IR, downloadLookupIr},
    {IDM_COLLECT_SERIAL, collectSerial},
    {IDM_COLLECT_IR, collectIr},
    {IDM_COLLECT_TRANSPORT_2, collectTransport2},
    {IDM_HELP_CONTENTS, showHelpContents},
    {IDM_HELP_FINDER, showHelpFinder},
    {IDM_ABOUT, about},
};

}  // namespace

bool isKnownCommand(int id) { return editor::findId(kCommands, id) != nullptr; }

bool dispatchCommand(AppState& app, int id) {
  const Command* c = editor::findId(kCommands, id);
  if (!c) return false;
  c->run(app);
  return true;
}

}  // namespace k60::shell
