// Windows helper of the release check (check_package.sh): starts an unpacked k60gen.exe, waits
// for its main window, asks it for both help pages and sees which files it opens, then closes it.
//
//   package_probe.exe run K60GEN.EXE RECORD.TXT   the check; prints what it saw, exits 0 or 1
//   package_probe.exe view FILE                  the ".htm" viewer that "run" registers in the
//                                                check's own Wine prefix: appends FILE to the record
//   package_probe.exe version K60GEN.EXE         prints the ProductVersion of the version resource
//
// Built by check_package.sh with the cross compiler; it is not part of the release.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kMainTitle[] = L"应用程序产生器";
constexpr UINT kHelpContents = 9010;  // resources/resource_ids.h: IDM_HELP_CONTENTS
constexpr UINT kHelpFinder = 9020;    // IDM_HELP_FINDER
constexpr wchar_t kRecordVariable[] = L"K60_PROBE_RECORD";
constexpr int kMessageBoxTextId = 0xFFFF;  // the static text of a message box

std::string utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

std::wstring wide(const std::string& text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                    nullptr, 0);
  std::wstring out(n, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}

// Console output in UTF-8 whatever the console's code page: the check compares bytes.
void say(const std::wstring& line) {
  const std::string bytes = utf8(line + L"\n");
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
            &written, nullptr);
}

std::wstring fullPath(const std::wstring& path) {
  std::vector<wchar_t> buffer(32768);
  const DWORD n = GetFullPathNameW(path.c_str(), static_cast<DWORD>(buffer.size()),
                                   buffer.data(), nullptr);
  return n ? std::wstring(buffer.data(), n) : path;
}

std::wstring directoryOf(const std::wstring& path) {
  const auto slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

std::wstring readFileText(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(file);
  return wide(bytes);
}

// The viewer: one line per page opened, written in one call so that lines never mix.
int view(const std::wstring& file) {
  wchar_t record[32768] = {};
  if (!GetEnvironmentVariableW(kRecordVariable, record, 32768)) return 1;
  HANDLE out = CreateFileW(record, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_ALWAYS, 0, nullptr);
  if (out == INVALID_HANDLE_VALUE) return 1;
  const std::string line = utf8(file + L"\n");
  DWORD written = 0;
  WriteFile(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(out);
  return 0;
}

std::wstring productVersion(const std::wstring& exe) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
  if (size == 0) return {};
  std::vector<BYTE> data(size);
  if (!GetFileVersionInfoW(exe.c_str(), 0, size, data.data())) return {};
  wchar_t* value = nullptr;
  UINT length = 0;
  // The resource's one string block: Simplified Chinese, Unicode.
  if (!VerQueryValueW(data.data(), L"\\StringFileInfo\\080404b0\\ProductVersion",
                      reinterpret_cast<void**>(&value), &length) || !value)
    return {};
  return value;
}

struct Search {
  DWORD process;
  const wchar_t* title;  // null: any dialog (class #32770)
  HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<Search*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != search.process || !IsWindowVisible(window)) return TRUE;
  wchar_t text[256] = {};
  if (search.title) {
    GetWindowTextW(window, text, 256);
    if (std::wstring(text) != search.title) return TRUE;
  } else {
    GetClassNameW(window, text, 256);
    if (std::wstring(text) != L"#32770") return TRUE;
  }
  search.found = window;
  return FALSE;
}

HWND findWindow(DWORD process, const wchar_t* title) {
  Search search{process, title, nullptr};
  EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Lines of the record file, without the empty last one.
std::vector<std::wstring> recordedLines(const std::wstring& record) {
  std::vector<std::wstring> lines;
  const std::wstring text = readFileText(record);
  size_t start = 0;
  for (size_t end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

// Asks for one help page and waits until the viewer records a file or the program shows a
// message box (its "cannot find" or "cannot open" error).
bool askForHelp(HWND main, DWORD process, UINT command, const std::wstring& record,
                const std::wstring& expected) {
  const size_t before = recordedLines(record).size();
  PostMessageW(main, WM_COMMAND, MAKEWPARAM(command, 0), 0);
  for (int i = 0; i < 300; ++i) {  // 30 s
    Sleep(100);
    if (HWND box = findWindow(process, nullptr)) {
      wchar_t text[1024] = {};
      GetDlgItemTextW(box, kMessageBoxTextId, text, 1024);
      say(L"FAIL: command " + std::to_wstring(command) + L" showed a message: " + text);
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      return false;
    }
    const auto lines = recordedLines(record);
    if (lines.size() > before) {
      const std::wstring& opened = lines.back();
      say(L"command " + std::to_wstring(command) + L" opened " + opened);
      if (CompareStringOrdinal(opened.c_str(), -1, expected.c_str(), -1, TRUE) == CSTR_EQUAL)
        return true;
      say(L"FAIL: expected " + expected);
      return false;
    }
  }
  say(L"FAIL: command " + std::to_wstring(command) + L" opened nothing within 30 s");
  return false;
}

bool setDefault(const std::wstring& key, const std::wstring& value) {
  HKEY handle = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      &handle, nullptr) != ERROR_SUCCESS)
    return false;
  const LONG result = RegSetValueExW(handle, nullptr, 0, REG_SZ,
                                     reinterpret_cast<const BYTE*>(value.c_str()),
                                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(handle);
  return result == ERROR_SUCCESS;
}

// This program becomes the prefix's viewer of .htm files, so that the check sees exactly
// which file the help command asks the system to open.
bool registerAsViewer() {
  wchar_t self[32768] = {};
  GetModuleFileNameW(nullptr, self, 32768);
  const std::wstring command = L"\"" + std::wstring(self) + L"\" view \"%1\"";
  return setDefault(L".htm", L"K60PackageProbe.htm") &&
         setDefault(L"K60PackageProbe.htm\\shell\\open\\command", command);
}

int run(const std::wstring& exeArgument, const std::wstring& recordArgument) {
  const std::wstring exe = fullPath(exeArgument);
  const std::wstring record = fullPath(recordArgument);
  SetEnvironmentVariableW(kRecordVariable, record.c_str());  // the viewer inherits it
  DeleteFileW(record.c_str());
  if (!registerAsViewer()) {
    say(L"FAIL: cannot register the .htm viewer");
    return 1;
  }

  // Started from another directory: the program must find its help beside itself.
  wchar_t system[MAX_PATH] = {};
  GetSystemDirectoryW(system, MAX_PATH);
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup = {sizeof startup};
  PROCESS_INFORMATION info = {};
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      system, &startup, &info)) {
    say(L"FAIL: cannot start " + exe + L" (error " + std::to_wstring(GetLastError()) + L")");
    return 1;
  }
  CloseHandle(info.hThread);

  HWND main = nullptr;
  for (int i = 0; i < 1200 && !main; ++i) {  // a fresh prefix may take a minute
    if (WaitForSingleObject(info.hProcess, 100) == WAIT_OBJECT_0) break;
    main = findWindow(info.dwProcessId, kMainTitle);
  }
  if (!main) {
    say(L"FAIL: no main window appeared");
    TerminateProcess(info.hProcess, 1);
    return 1;
  }
  RECT area = {};
  GetWindowRect(main, &area);
  say(L"main window shown, " + std::to_wstring(area.right - area.left) + L" x " +
      std::to_wstring(area.bottom - area.top));

  const std::wstring dir = directoryOf(exe);
  bool ok = askForHelp(main, info.dwProcessId, kHelpContents, record, dir + L"ZQ.htm");
  ok = askForHelp(main, info.dwProcessId, kHelpFinder, record, dir + L"ZQ-index.htm") && ok;

  // A template nobody changed closes without the save question.
  PostMessageW(main, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(info.hProcess, 20000) != WAIT_OBJECT_0) {
    say(L"FAIL: the program did not close");
    TerminateProcess(info.hProcess, 1);
    return 1;
  }
  DWORD code = 1;
  GetExitCodeProcess(info.hProcess, &code);
  CloseHandle(info.hProcess);
  say(L"closed, exit code " + std::to_wstring(code));
  return ok && code == 0 ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring mode = argc > 1 ? argv[1] : L"";
  if (mode == L"run" && argc == 4) return run(argv[2], argv[3]);
  if (mode == L"view" && argc == 3) return view(argv[2]);
  if (mode == L"version" && argc == 3) {
    const std::wstring version = productVersion(argv[2]);
    if (version.empty()) return 1;
    say(version);
    return 0;
  }
  say(L"usage: package_probe.exe run K60GEN.EXE RECORD | view FILE | version K60GEN.EXE");
  return 2;
}
