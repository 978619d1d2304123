// The transfer commands: a port, a clock and the windows' user interface around the link's
// engines, which do the talking.
#include "shell/win32/transfer_commands.h"

#include <cwchar>
#include <optional>
#include <vector>

#include "link/collection.h"
#include "link/download.h"
#include "link/link_messages.h"
#include "link/lookup_transfer.h"
#include "link/port_setup.h"
#include "link/system_clock.h"
#include "link/system_serial_port.h"
#include "shell/win32/csv_lookup.h"
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

 private:
  std::unique_ptr<link::SerialPort> port_;
  std::optional<link::SystemClock> systemClock_;
  link::Clock* clock_ = nullptr;
  WindowsLinkUi ui_;
};

// The template's port and rate; a damaged index is reported and nothing is opened.
std::optional<link::LinkChoice> choiceOf(AppState& app, link::Transport transport, link::MessageIcon icon) {
  std::string error;
  auto choice = link::linkChoiceFromTemplate(app.tmpl, transport, &error);
  if (!choice) WindowsLinkUi(app).showMessage(error, link::text::kErrorCaption, icon);
  return choice;
}

// The text editor of the system directory, never one that lies in the current directory
// (which the file dialog has just moved to the collected file's folder).
std::wstring systemNotepad() {
  wchar_t dir[MAX_PATH] = {};
  const UINT n = GetSystemDirectoryW(dir, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return L"notepad.exe";
  return std::wstring(dir) + L"\\notepad.exe";
}

bool startWithCreateProcess(const std::wstring& program, const std::wstring& commandLine) {
  std::wstring line = commandLine;  // CreateProcessW may write to it
  STARTUPINFOW si{sizeof si};
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return false;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return true;
}

}  // namespace

void downloadProgram(AppState& app, link::Transport transport) {
  const auto choice = choiceOf(app, transport, link::MessageIcon::Exclamation);
  if (!choice) return;
  LinkSession session(app);
  auto ctx = session.context(app);
  link::downloadProgram(ctx, *choice, app.tmpl);
  discardQueuedInput();
}

void downloadLookupFile(AppState& app, link::Transport transport) {
  const auto path = chooseLookupFile(GetActiveWindow(), app.lookupFileName);
  if (!path) return;
  // A CSV file is sent only as the whole lookup file built from it.
  std::optional<std::vector<std::uint8_t>> built;
  if (isCsvFile(*path) && !(built = lookupFileFromCsv(app, *path))) return;
  const auto choice = choiceOf(app, transport, link::MessageIcon::Exclamation);
  if (!choice) return;
  LinkSession session(app);
  auto ctx = session.context(app);
  if (built)
    link::downloadLookupBytes(ctx, *choice, std::move(*built), link::LookupEncoding::Gb2312);
  else  // a file in UTF-8 would show garbage on the terminal: the user is asked whether to convert it
    link::downloadLookupFile(ctx, *choice, utf16ToUtf8(path->c_str()), link::LookupEncoding::Ask);
  discardQueuedInput();
}

void collectData(AppState& app, link::Transport transport) {
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
  discardQueuedInput();
  if (result.outcome == link::CollectionResult::Outcome::Collected) offerCollectedData(app, *path, result.records);
}

void offerCollectedData(AppState& app, const std::wstring& path, int records) {
  const std::wstring format = utf8ToUtf16(std::string(link::text::kViewReceivedDataFormat));
  std::vector<wchar_t> text(format.size() + 16);
  std::swprintf(text.data(), text.size(), format.c_str(), records);
  const std::wstring caption = utf8ToUtf16(std::string(link::text::kUploadCaption));
  if (MessageBoxW(app.mainWindow, text.data(), caption.c_str(), MB_YESNO) != IDYES) return;
  // Quoted, so that a path with spaces reaches the editor whole.
  const std::wstring commandLine = L"notepad.exe \"" + path + L"\"";
  if (app.startProgram) app.startProgram(systemNotepad(), commandLine);
  else startWithCreateProcess(systemNotepad(), commandLine);
}

}  // namespace k60::shell
