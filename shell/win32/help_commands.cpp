// Help: the program's own HTML pages, kept in its directory and opened in the system's
// viewer (the default browser).
#include "shell/win32/help_commands.h"

#include <shellapi.h>

#include <string>

namespace k60::shell {
namespace {

constexpr wchar_t kContentsPage[] = L"ZQ.htm";
constexpr wchar_t kFinderPage[] = L"ZQ-index.htm";

// Message texts; the path follows on a line of its own.
constexpr wchar_t kNotFoundText[] = L"找不到帮助文件:\n";
constexpr wchar_t kCannotOpenText[] = L"不能打开帮助文件:\n";
constexpr wchar_t kErrorCaption[] = L"错误";

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
  const wchar_t* failure = nullptr;
  if (!fileExists(path))
    failure = kNotFoundText;
  else if (!openInViewer(app, path))
    failure = kCannotOpenText;
  if (!failure) return;
  const std::wstring text = failure + path;
  MessageBoxW(app.mainWindow, text.c_str(), kErrorCaption, MB_OK | MB_ICONWARNING);
}

}  // namespace

void showHelpContents(AppState& app) { showHelpPage(app, kContentsPage); }
void showHelpFinder(AppState& app) { showHelpPage(app, kFinderPage); }

}  // namespace k60::shell
