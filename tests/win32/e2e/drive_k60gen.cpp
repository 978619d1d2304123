// Drives k60gen.exe from outside, as a user would: starts it, sends it menu commands and
// answers its dialogs and message boxes through their controls. tests/e2e/program_transfers.sh
// maps COM1 to a pty with `k60tool peer` on the other end and compares the bytes afterwards.
//
//   drive_k60gen.exe K60GEN.EXE WORKDIR
//
// WORKDIR (a Windows path) holds example.atx and lookup.txt. The program opens the
// template (and cancels the property sheet that follows), downloads it, downloads the
// lookup file, collects the records into "collected data.TXT" (and opens them in
// Notepad), then once more through the IR
// transceiver into collected_ir.TXT, and exits. Every window met is printed; the exit status
// is 0 when each showed what a user expects.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "resources/resource_ids.h"

namespace {

constexpr DWORD kPatienceMs = 120000;  // a paced transfer takes a while before its last box

int failures = 0;

std::string utf8(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? n - 1 : 0, '\0');
  if (n > 1) WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), n, nullptr, nullptr);
  return out;
}

void fail(const std::string& what) {
  std::printf("FAIL  %s\n", what.c_str());
  ++failures;
}

// Text of a window of the other process: WM_GETTEXT is carried across, GetWindowText is not.
std::wstring textOf(HWND hwnd) {
  DWORD_PTR length = 0;
  SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length);
  std::wstring text(length + 1, L'\0');
  DWORD_PTR got = 0;
  SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 2000,
                      &got);
  text.resize(got);
  return text;
}

std::wstring classOf(HWND hwnd) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return name;
}

HWND fileNameBox(HWND dialog) {
  HWND box = GetDlgItem(dialog, 0x47C);
  return box ? box : GetDlgItem(dialog, 0x480);
}

bool hasChildOfClass(HWND window, const wchar_t* name) {
  for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if (_wcsicmp(classOf(c).c_str(), name) == 0) return true;
  return false;
}

// The message box's text: its static control with text (the other holds the icon).
std::wstring messageOf(HWND box) {
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if (_wcsicmp(classOf(c).c_str(), L"Static") == 0)
      if (std::wstring t = textOf(c); !t.empty()) return t;
  return {};
}

// A visible dialog of the program's thread that asks something. The progress window is
// told apart by its bar, not its title: during a transfer the program reads its queue only
// now and then, so asking a window for its text may come back empty.
HWND findDialog(DWORD thread, bool fileDialog) {
  struct Search {
    bool fileDialog;
    HWND found = nullptr;
  } search{fileDialog};
  EnumThreadWindows(
      thread,
      [](HWND hwnd, LPARAM lParam) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lParam);
        if (!IsWindowVisible(hwnd) || classOf(hwnd) != L"#32770") return TRUE;
        if (hasChildOfClass(hwnd, L"msctls_progress32")) return TRUE;
        if ((fileNameBox(hwnd) != nullptr) != s->fileDialog) return TRUE;
        s->found = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND waitFor(const std::function<HWND()>& find, DWORD patienceMs = kPatienceMs) {
  for (DWORD start = GetTickCount(); GetTickCount() - start < patienceMs; Sleep(50))
    if (HWND found = find()) return found;
  return nullptr;
}

void press(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void waitGone(HWND window) {
  for (DWORD start = GetTickCount(); IsWindow(window) && GetTickCount() - start < 10000;) Sleep(20);
}

struct Program {
  PROCESS_INFORMATION process{};
  HWND main = nullptr;
  DWORD thread = 0;
};

// One window to answer: a file dialog given `name`, or a message box whose text starts
// with `text`, answered with `button`.
struct Answer {
  bool fileDialog;
  std::wstring text;
  int button;
};

// Waits for the window the answer is for. A message box counts once its text has arrived
// and reads as expected; a box still showing something else after the wait is a failure.
void answer(Program& p, const Answer& a) {
  std::wstring seen;
  HWND dialog = waitFor([&]() -> HWND {
    HWND found = findDialog(p.thread, a.fileDialog);
    if (!found || a.fileDialog) return found;
    seen = messageOf(found);
    return seen.rfind(a.text, 0) == 0 ? found : nullptr;
  });
  if (!dialog) {
    const char* kind = a.fileDialog ? "file dialog" : "message box";
    return fail(std::string("no ") + kind + " for " + utf8(a.text) + (seen.empty() ? "" : "; saw " + utf8(seen)));
  }
  if (a.fileDialog) {
    std::printf("file dialog \"%s\": %s\n", utf8(textOf(dialog)).c_str(), utf8(a.text).c_str());
    SendMessageW(fileNameBox(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(a.text.c_str()));
  } else {
    std::printf("message box \"%s\": %s\n", utf8(textOf(dialog)).c_str(), utf8(seen).c_str());
  }
  press(dialog, a.button);
  waitGone(dialog);
}

// The property sheet that a successful Open shows: closed with Cancel, as a user who only
// wanted to look would.
void cancelPropertySheet(Program& p) {
  HWND sheet = waitFor([&]() -> HWND {
    HWND found = findDialog(p.thread, false);
    return found && textOf(found) == L"应用程序模板" ? found : nullptr;
  });
  if (!sheet) return fail("the property sheet did not open after Open");
  std::printf("property sheet \"%s\": Cancel\n", utf8(textOf(sheet)).c_str());
  press(sheet, IDCANCEL);
  waitGone(sheet);
}

void run(Program& p, int command, const std::vector<Answer>& answers) {
  std::printf("command %d\n", command);
  PostMessageW(p.main, WM_COMMAND, command, 0);
  for (const Answer& a : answers) answer(p, a);
}

bool start(Program& p, const std::wstring& exe) {
  STARTUPINFOW si{sizeof si};
  std::wstring line = L"\"" + exe + L"\"";
  if (!CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &p.process))
    return false;
  WaitForInputIdle(p.process.hProcess, 30000);
  p.main = waitFor([&] {
    HWND w = FindWindowW(L"AGK60", nullptr);
    DWORD pid = 0;
    if (w) p.thread = GetWindowThreadProcessId(w, &pid);
    return pid == p.process.dwProcessId ? w : nullptr;
  }, 60000);
  return p.main != nullptr;
}

// Notepad opened on the collected file; closed again once seen.
void expectNotepadWith(const std::wstring& name) {
  HWND notepad = waitFor([&] {
    HWND w = FindWindowW(L"Notepad", nullptr);
    return w && textOf(w).find(name) != std::wstring::npos ? w : nullptr;
  }, 30000);
  if (!notepad) return fail("Notepad did not open " + utf8(name));
  std::printf("notepad: %s\n", utf8(textOf(notepad)).c_str());
  PostMessageW(notepad, WM_CLOSE, 0, 0);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: drive_k60gen K60GEN.EXE WORKDIR\n");
    return 2;
  }
  const std::wstring dir = std::wstring(argv[2]) + L"\\";
  Program p;
  if (!start(p, argv[1])) {
    std::printf("FAIL  k60gen.exe did not show its window\n");
    return 1;
  }
  const Answer done{false, L"下载完毕!", IDOK};
  run(p, IDM_OPEN, {{true, dir + L"example.atx", IDOK}});
  cancelPropertySheet(p);
  run(p, IDM_DOWNLOAD_PROGRAM_SERIAL, {done});
  run(p, IDM_DOWNLOAD_LOOKUP_SERIAL, {{true, dir + L"lookup.txt", IDOK}, done});
  run(p, IDM_COLLECT_SERIAL, {{true, dir + L"collected data.TXT", IDOK}, {false, L"Done : 150 records received.", IDYES}});
  expectNotepadWith(L"collected data");
  run(p, IDM_COLLECT_IR, {{true, dir + L"collected_ir.TXT", IDOK}, {false, L"Done : 150 records received.", IDNO}});

  PostMessageW(p.main, WM_COMMAND, IDM_EXIT, 0);
  if (WaitForSingleObject(p.process.hProcess, 30000) != WAIT_OBJECT_0) {
    fail("k60gen.exe did not exit");
    TerminateProcess(p.process.hProcess, 1);
  }
  std::printf(failures ? "%d failure(s)\n" : "all windows as expected\n", failures);
  return failures ? 1 : 0;
}
