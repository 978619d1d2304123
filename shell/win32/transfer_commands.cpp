// The transfer commands: a port, a clock and the windows' user interface around the link's
// engines, which do the talking.
#include "shell/win32/transfer_commands.h"

#include <cwchar>
#include <optional>

#include "link/collection.h"
#include "link/download.h"
#include "link/link_messages.h"
#include "link/lookup_transfer.h"
#include "link/port_setup.h"
#include "link/system_clock.h"
#include "link/system_serial_port.h"
#include "shell/win32/link_ui_win32.h"
#include "shell/win32/transfer_dialogs.h"
#include "template/win32/utf16_text.h"

namespace k60::shell {
namespace {

// What one command talks through; the system clock (and its fine timer) lives as long.
class LinkSession {
 public:
  explicit LinkSession(AppState& app)
      : port_(app.makePort ? app.makePort() : link::makeSystemSerialPort()), ui_(app) {
    if (app.clock) {
      clock_ = app.clock;
    } else {
      systemClock_.emplace();
      clock_ = &*systemClock_;
    }
  }
  link::LinkContext context(AppState& app) { return {*port_, *clock_, ui_, app.line}; }
  WindowsLinkUi& ui() { return ui_; }

 private:
  std::unique_ptr<link::SerialPort> port_;
  std::optional<link::SystemClock> systemClock_;
  link::Clock* clock_ = nullptr;
  WindowsLinkUi ui_;
};

// The template's port and rate; a damaged index is reported and nothing is opened.
std::optional<link::LinkChoice> choiceOf(AppState& app, int transport, link::MessageIcon icon) {
  std::string error;
  auto choice = link::linkChoiceFromTemplate(app.tmpl, static_cast<link::Transport>(transport), &error);
  if (!choice) WindowsLinkUi(app).showMessage(error, link::text::kErrorCaption, icon);
  return choice;
}

bool startWithCreateProcess(const std::wstring& commandLine) {
  std::wstring line = commandLine;  // CreateProcessW may write to it
  STARTUPINFOW si{sizeof si};
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return true;
}

}  // namespace

void downloadProgram(AppState& app, int transport) {
  const auto choice = choiceOf(app, transport, link::MessageIcon::Exclamation);
  if (!choice) return;
  LinkSession session(app);
  auto ctx = session.context(app);
  link::downloadProgram(ctx, *choice, app.tmpl);
}

void downloadLookupFile(AppState& app, int transport) {
  const auto path = chooseLookupFile(GetActiveWindow(), app.lookupFileName);
  if (!path) return;
  const auto choice = choiceOf(app, transport, link::MessageIcon::Exclamation);
  if (!choice) return;
  LinkSession session(app);
  auto ctx = session.context(app);
  link::downloadLookupFile(ctx, *choice, utf16ToUtf8(path->c_str()));
}

void collectData(AppState& app, int transport) {
  const auto path = chooseCollectedDataFile(GetActiveWindow());
  if (!path) return;
  const auto choice = choiceOf(app, transport, link::MessageIcon::None);
  if (!choice) return;
  link::CollectionResult result;
  {
    LinkSession session(app);
    auto ctx = session.context(app);
    result = link::collectData(ctx, *choice, utf16ToUtf8(path->c_str()));
  }
  if (result.outcome == link::CollectionResult::Outcome::Collected) offerCollectedData(app, *path, result.records);
}

void offerCollectedData(AppState& app, const std::wstring& path, int records) {
  wchar_t text[96];
  std::swprintf(text, 96, L"Done : %d records received.\nView the received data?", records);
  if (MessageBoxW(app.mainWindow, text, L"上传数据", MB_YESNO) != IDYES) return;
  // Quoted, so that a path with spaces reaches the editor whole.
  const std::wstring commandLine = L"notepad.exe \"" + path + L"\"";
  if (app.startProgram) app.startProgram(commandLine);
  else startWithCreateProcess(commandLine);
}

}  // namespace k60::shell
