// Help: the program's own HTML pages, kept in its directory and opened in the system's
// viewer (the default browser).
#include "shell/win32/help_commands.h"

#include <shellapi.h>

#include <string>
#include <string_view>

#include "shell/win32/shell_texts.h"
#include "template/error_caption.h"
#include "template/win32/utf16_text.h"
#include "ui/win32/message_box.h"

namespace k60::shell {
namespace {

constexpr wchar_t kContentsPage[] = L"ZQ.htm";
constexpr wchar_t kFinderPage[] = L"ZQ-index.htm";


bool fileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool openInViewer(AppState& app, const std::wstring& path) {
  if (app.openDocument) return app.openDocument(path);
  // No error box of the shell's own: a failure gets the program's message instead.
  SHELLEXECUTEINFOW info = {sizeof info};
  info.fMask = SEE_MASK_FLAG_NO_UI;
  info.hwnd = app.mainWindow;
  info.lpVerb = L"open";
  info.lpFile = path.c_str();
  info.nShow = SW_SHOWNORMAL;
  return ShellExecuteExW(&info) != FALSE;
}

void showHelpPage(AppState& app, const wchar_t* page) {
  const std::wstring path = app.programDir + page;
  std::string_view failure;
  if (!fileExists(path))
    failure = text::kHelpNotFound;
  else if (!openInViewer(app, path))
    failure = text::kHelpCannotOpen;
  if (failure.empty()) return;
  ui::messageBox(app.mainWindow, std::string(failure) + utf16ToUtf8(path.c_str()), kErrorCaption, MB_OK | MB_ICONWARNING);
}

}  // namespace

void showHelpContents(AppState& app) { showHelpPage(app, kContentsPage); }
void showHelpFinder(AppState& app) { showHelpPage(app, kFinderPage); }

}  // namespace k60::shell
