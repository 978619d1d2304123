// New, Open, Save, Save As and closing: the dialogs around the template file's reader and writer.
#include "shell/win32/file_commands.h"

#include "shell/win32/file_dialogs.h"
#include "shell/win32/later_commands.h"
#include "shell/win32/save_question.h"
#include "simulator/simulator.h"
#include "simulator/win32/face_window.h"
#include "template/atx_file.h"
#include "template/defaults.h"
#include "template/win32/utf16_text.h"
#include "ui/win32/message_box.h"

namespace k60::shell {
namespace {

void showError(HWND owner, std::string_view message) {
  ui::messageBox(owner, message, kErrorCaption, MB_ICONWARNING);
}

// The format message belongs to whatever window the user is looking at.
HWND activeOrMain(const AppState& app) {
  HWND active = GetActiveWindow();
  return active ? active : app.mainWindow;
}

}  // namespace

// The simulated terminal must not keep running forms of the template it had before.
void restartSimulator(AppState& app) {
  if (sim::Simulator* simulator = sim::faceSimulator(app.faceWindow)) simulator->reset();
}

bool saveChangesIfWanted(AppState& app) {
  if (!app.tmpl.changed()) return true;
  switch (askToSaveChanges(app.mainWindow)) {
    case SaveAnswer::No:
      return true;
    case SaveAnswer::Yes:
      // A template the user asked to keep is never discarded unsaved. This Save leaves the
      // flag as it was: only the Save and Save As commands clear it.
      if (!saveTemplate(app)) return false;
      app.tmpl.setChanged(true);
      return true;
    case SaveAnswer::Cancel:
      break;
  }
  return false;
}

bool newTemplate(AppState& app) {
  if (!saveChangesIfWanted(app)) return false;
  app.tmpl.setChanged(false);
  app.tmpl.clearFileName();
  resetToDefaults(app.tmpl);
  restartSimulator(app);
  showPropertySheet(app);
  return true;
}

bool openTemplateFile(AppState& app) {
  if (!saveChangesIfWanted(app)) return false;
  // The old name goes before the dialog: whatever happens next, a refused or cancelled Open
  // never leaves a later Save writing to the previous file.
  app.tmpl.clearFileName();
  const auto path = chooseFileToOpen(app.instance, app.mainWindow);
  if (!path) return false;
  const ReadStatus status = openTemplate(app.tmpl, utf16ToUtf8(path->c_str()));
  if (status == ReadStatus::FormatMismatch) showError(activeOrMain(app), kFormatMismatchMessage);
  if (status != ReadStatus::Ok) return false;
  restartSimulator(app);
  showPropertySheet(app);
  return true;
}

bool saveTemplate(AppState& app) {
  if (!app.tmpl.hasFileName()) return saveTemplateAs(app);
  if (!writeTemplateFile(app.tmpl.fileName(), app.tmpl)) {
    showError(app.mainWindow, kSaveFailedMessage);
    return false;
  }
  app.tmpl.setChanged(false);
  return true;
}

bool saveTemplateAs(AppState& app) {
  const auto chosen = chooseFileToSaveAs(app.mainWindow);
  if (!chosen) return false;
  const auto name = saveAsFileName(utf16ToUtf8(chosen->c_str()));
  if (!name) {
    showError(app.mainWindow, kFileNameTooLongMessage);
    return false;
  }
  app.tmpl.setFileName(*name);
  return saveTemplate(app);
}

void closeMainWindow(AppState& app) {
  if (saveChangesIfWanted(app)) DestroyWindow(app.mainWindow);
}

}  // namespace k60::shell
