// The transfer commands through their real windows: message boxes and the retry question,
// the progress window, the file dialogs, the counter box and the question after a
// collection. A scripted terminal on a virtual clock stands behind the port, except where
// a real COM port with nothing behind it is the point.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "link/record_line.h"
#include "resources/resource_ids.h"
#include "tests/link/transceiver_double.h"
#include "tests/win32/transfer_test_support.h"

namespace k60::shell::testsupport {
namespace {

using link::test::Bytes;
using link::test::bytesOf;
using Kind = link::test::ScriptedPort::Kind;

using k60::test::recordLine;

Bytes readAll(const std::wstring& path) { return k60::test::readWholeFile(path); }
void writeFile(const std::wstring& path, std::string_view bytes) { k60::test::writeWholeFile(path, k60::test::asBytes(bytes)); }

bool fileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// ---- A port with nothing behind it: the real Win32 port on COM6 ----

class UnopenablePortTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    // A port name with no device behind it: Wine maps COMn only to serial devices that
    // exist (and to the ports named in its registry).
    int unmapped = -1;
    for (int index = 5; index >= 0 && unmapped < 0; --index) {
      const std::string name = "COM" + std::to_string(index + 1);
      HANDLE h = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
      if (h == INVALID_HANDLE_VALUE) unmapped = index;
      else CloseHandle(h);
    }
    ASSERT_GE(unmapped, 0) << "every port COM1..COM6 opens here";
    app.tmpl.setComPort(static_cast<std::uint8_t>(unmapped));
  }
  void run(int id, const std::vector<ModalStep>& steps) {
    int unexpected = 0;
    EXPECT_EQ(runModalSteps(steps, [&] { SendMessageW(main, WM_COMMAND, id, 0); }, &unexpected), steps.size());
    EXPECT_EQ(unexpected, 0);
  }
};

TEST_F(UnopenablePortTest, ProgramDownloadSaysThePortCannotBeOpened) {
  for (int id : {IDM_DOWNLOAD_PROGRAM_SERIAL, IDM_DOWNLOAD_PROGRAM_IR}) {
    ModalSeen seen;
    run(id, {answerMessageBox(IDOK, &seen)});
    EXPECT_EQ(seen.text, L"不能打开COM端口") << id;
    EXPECT_EQ(seen.caption, L"错误");
    EXPECT_EQ(seen.icon, LoadIconW(nullptr, IDI_EXCLAMATION));
    EXPECT_EQ(seen.owner, main);
  }
}

TEST_F(UnopenablePortTest, LookupDownloadSaysSoAfterTheFileWasChosen) {
  TempPath file(L"k60_unopenable_lookup.txt");
  writeFile(file.path, "123\r\n");
  ModalSeen dialog, box;
  run(IDM_DOWNLOAD_LOOKUP_SERIAL, {answerFileDialog(file.path, true, &dialog), answerMessageBox(IDOK, &box)});
  EXPECT_TRUE(dialog.seen);
  EXPECT_EQ(box.text, L"不能打开COM端口");
  EXPECT_EQ(box.icon, LoadIconW(nullptr, IDI_EXCLAMATION));
}

TEST_F(UnopenablePortTest, CollectionSaysSoWithoutIconAndLeavesNoFile) {
  TempPath file(L"k60_unopenable_collect.txt");
  ModalSeen box;
  run(IDM_COLLECT_SERIAL, {answerFileDialog(file.path), answerMessageBox(IDOK, &box)});
  EXPECT_EQ(box.text, L"打开COM端口失败");
  EXPECT_EQ(box.caption, L"错误");
  EXPECT_EQ(box.icon, nullptr);
  EXPECT_FALSE(fileExists(file.path));
}

// ---- A damaged template's COM settings: refused before anything is opened ----

TEST_F(TransferTest, ADamagedPortOrRateIndexIsReportedAndNothingIsOpened) {
  app.tmpl.setComPort(6);
  ModalSeen port6;
  runCommand(IDM_DOWNLOAD_PROGRAM_SERIAL, {answerMessageBox(IDOK, &port6)});
  EXPECT_EQ(port6.text, L"COM端口设置无效，请重新设置COM口!");
  EXPECT_EQ(port6.icon, LoadIconW(nullptr, IDI_EXCLAMATION));

  app.tmpl.setComPort(0);
  app.tmpl.setComRate(5);
  TempPath file(L"k60collect_badrate.TXT");
  ModalSeen rate5;
  runCommand(IDM_COLLECT_SERIAL, {answerFileDialog(file.path), answerMessageBox(IDOK, &rate5)});
  EXPECT_EQ(rate5.text, L"波特率设置无效，请重新设置COM口!");
  EXPECT_EQ(rate5.icon, nullptr);
  EXPECT_FALSE(fileExists(file.path));
  EXPECT_EQ(port.count(Kind::Open), 0u);
}

// ---- The retry question ----

TEST_F(TransferTest, RetryYesRunsANewAttemptAndNoClosesThePort) {
  ModalSeen notReady, question, again;
  runCommand(IDM_DOWNLOAD_PROGRAM_SERIAL, {answerMessageBox(IDOK, &notReady), answerMessageBox(IDYES, &question),
                                            answerMessageBox(IDOK), answerMessageBox(IDNO, &again)});
  EXPECT_EQ(notReady.text, L"终端没有准备好!");
  EXPECT_EQ(notReady.icon, LoadIconW(nullptr, IDI_EXCLAMATION));
  EXPECT_EQ(question.text, L"下载失败，要重试吗?");
  EXPECT_EQ(question.caption, L"错误");
  EXPECT_EQ(question.icon, LoadIconW(nullptr, IDI_QUESTION));
  EXPECT_EQ(question.owner, main);
  EXPECT_TRUE(again.seen);
  // Two attempts of three handshakes each, then the port purged and closed.
  const auto writes = port.writes();
  EXPECT_EQ(writes.size(), 6u);
  for (const auto& w : writes) EXPECT_EQ(w, bytesOf("QUIBEL\r"));
  ASSERT_GE(port.events.size(), 2u);
  EXPECT_EQ(port.events[port.events.size() - 2].kind, Kind::Purge);
  EXPECT_EQ(port.events.back().kind, Kind::Close);
}

// What the progress window looked like when a block was written.
struct ProgressSeen {
  bool open = false;
  HWND owner = nullptr;
  std::wstring text, barClass, barText;
  RECT client{}, bar{};
  int low = -1, high = -1;
  std::vector<int> positions;
};

void lookAtProgress(ProgressSeen& seen) {
  HWND dialog = FindWindowW(L"#32770", L"进行中");
  if (!dialog) return seen.positions.push_back(-1);
  HWND bar = FindWindowExW(dialog, nullptr, PROGRESS_CLASSW, nullptr);
  seen.open = IsWindowVisible(dialog) && bar && IsWindowVisible(bar);
  seen.owner = GetWindow(dialog, GW_OWNER);
  seen.text = windowText(GetDlgItem(dialog, IDC_PROGRESS_TEXT));
  wchar_t cls[32] = {};
  GetClassNameW(bar, cls, 32);
  seen.barClass = cls;
  seen.barText = windowText(bar);
  GetClientRect(dialog, &seen.client);
  GetWindowRect(bar, &seen.bar);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&seen.bar), 2);
  seen.low = static_cast<int>(SendMessageW(bar, PBM_GETRANGE, TRUE, 0));
  seen.high = static_cast<int>(SendMessageW(bar, PBM_GETRANGE, FALSE, 0));
  seen.positions.push_back(static_cast<int>(SendMessageW(bar, PBM_GETPOS, 0, 0)));
}

TEST_F(TransferTest, RetryYesAfterASilentAttemptSendsTheProgramInsideTheProgressWindow) {
  int handshakes = 0;
  ProgressSeen progress;
  port.onWrite = [&](link::test::ScriptedPort& p, std::span<const std::uint8_t> bytes) {
    if (bytes.size() == 7) {
      if (++handshakes > 3) p.reply("ACK\r");
      return;
    }
    lookAtProgress(progress);
    // A user's right-click on the terminal picture during the transfer.
    if (bytes[102] == 50) PostMessageW(app.faceWindow, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(60, 300));
    p.reply("ACK\r");
  };
  ModalSeen done;
  bool menuOpened = false;
  ModalStep answerDone = [&] {
    if (findThreadWindow(L"#32768")) menuOpened = true, EndMenu();
    return answerMessageBox(IDOK, &done)();
  };
  runCommand(IDM_DOWNLOAD_PROGRAM_SERIAL, {answerMessageBox(IDOK), answerMessageBox(IDYES), answerDone});
  EXPECT_EQ(done.text, L"下载完毕!");
  EXPECT_EQ(done.caption, L"下载");
  EXPECT_EQ(done.icon, LoadIconW(nullptr, IDI_EXCLAMATION));
  EXPECT_EQ(handshakes, 4);
  EXPECT_EQ(port.writes().size(), 4u + 105u);

  EXPECT_TRUE(progress.open);
  EXPECT_EQ(progress.owner, nullptr);
  EXPECT_EQ(progress.text, L"正在下载...");
  EXPECT_EQ(progress.barClass, L"msctls_progress32");
  EXPECT_EQ(progress.barText, L"Downloading");
  EXPECT_EQ(progress.bar.left, 14);
  EXPECT_EQ(progress.bar.top, progress.client.bottom / 2);
  EXPECT_EQ(progress.bar.right - progress.bar.left, progress.client.right - 28);
  EXPECT_EQ(progress.bar.bottom - progress.bar.top, 20);
  EXPECT_EQ(progress.low, 0);
  EXPECT_EQ(progress.high, 100);
  // Block n goes out with the bar at n + 4 (set after block n - 1 was taken); above 100 it
  // shows full.
  ASSERT_EQ(progress.positions.size(), 105u);
  EXPECT_EQ(progress.positions[0], 0);
  EXPECT_EQ(progress.positions[1], 5);
  EXPECT_EQ(progress.positions[50], 54);
  EXPECT_EQ(progress.positions[104], 100);
  EXPECT_EQ(FindWindowW(L"#32770", L"进行中"), nullptr) << "the progress window outlived the attempt";
  // The click made during the transfer did not open the command menu over the open port.
  EXPECT_FALSE(menuOpened);
}

// An IR transceiver in front of a terminal that takes every block.
struct TransceiverAndTerminal {
  link::test::TransceiverDouble transceiver;
  void attach(link::test::ScriptedPort& port) {
    transceiver.attach(port);
    auto toTransceiver = port.onWrite;
    port.onWrite = [toTransceiver](link::test::ScriptedPort& p, std::span<const std::uint8_t> bytes) {
      toTransceiver(p, bytes);
      const bool commandMode = p.current.dtrHigh && !p.current.rtsHigh;
      if (!commandMode && bytes.size() > 1) p.reply("ACK\r");
    };
  }
};

TEST_F(TransferTest, DtrAndRtsStayLowUntilAnIrCommandAndHighForEveryLaterCommand) {
  TransceiverAndTerminal remote;
  remote.attach(port);
  const auto appliesOf = [&](std::size_t from) {
    std::vector<link::LineSettings> lines;
    for (std::size_t i = from; i < port.events.size(); ++i)
      if (port.events[i].kind == Kind::Apply) lines.push_back(port.events[i].line);
    return lines;
  };
  remote.transceiver.rate = 115200;  // a cable command only gets through at the template's rate
  runCommand(IDM_DOWNLOAD_PROGRAM_SERIAL, {answerMessageBox(IDOK)});
  for (const auto& line : appliesOf(0)) EXPECT_FALSE(line.dtrHigh || line.rtsHigh);

  remote.transceiver.rate = 19200;  // the IR command finds it there and moves it to 115200
  const std::size_t irStart = port.events.size();
  ModalSeen irDone;
  runCommand(IDM_DOWNLOAD_PROGRAM_IR, {answerMessageBox(IDOK, &irDone)});
  EXPECT_EQ(irDone.text, L"下载完毕!");
  EXPECT_EQ(remote.transceiver.probes, 5);
  EXPECT_EQ(remote.transceiver.rate, 115200u);
  EXPECT_TRUE(app.line.dtrHigh && app.line.rtsHigh);

  const std::size_t cableStart = port.events.size();
  runCommand(IDM_DOWNLOAD_PROGRAM_SERIAL, {answerMessageBox(IDOK)});
  const auto later = appliesOf(cableStart);
  ASSERT_FALSE(later.empty());
  for (const auto& line : later) EXPECT_TRUE(line.dtrHigh && line.rtsHigh);
  EXPECT_GT(cableStart, irStart);
}

TEST_F(TransferTest, AFullTerminalIsReportedWhileTheProgressWindowIsUpThenTheRetryQuestion) {
  port.onWrite = [](link::test::ScriptedPort& p, std::span<const std::uint8_t> bytes) {
    p.reply(bytes.size() == 103 && bytes[102] == 37 ? "FULL\r" : "ACK\r");
  };
  ModalSeen full;
  runCommand(IDM_DOWNLOAD_PROGRAM_SERIAL, {answerMessageBox(IDOK, &full), answerMessageBox(IDNO)});
  EXPECT_EQ(full.text, L"终端内存已满!");
  EXPECT_EQ(full.icon, LoadIconW(nullptr, IDI_EXCLAMATION));
  EXPECT_EQ(FindWindowW(L"#32770", L"进行中"), nullptr);
}

// ---- The lookup file ----

TEST_F(TransferTest, LookupFileIsSentLineByLineAndItsNameIsKeptForNextTime) {
  TempPath file(L"k60lookup.txt");
  writeFile(file.path, "123\r\nABC\r\n");
  port.onWrite = [](link::test::ScriptedPort& p, std::span<const std::uint8_t>) { p.reply("ACK\r"); };
  ModalSeen dialog, done;
  runCommand(IDM_DOWNLOAD_LOOKUP_SERIAL, {answerFileDialog(file.path, true, &dialog), answerMessageBox(IDOK, &done)});
  EXPECT_EQ(done.text, L"下载完毕!");
  EXPECT_EQ(dialog.owner, main);
  EXPECT_EQ(dialog.filters, (std::vector<std::wstring>{L"索引文本文件 {*.TXT}", L"CSV文件 {*.CSV}", L"All files {*.*}"}));
  const auto writes = port.writes();
  ASSERT_EQ(writes.size(), 4u);
  EXPECT_EQ(writes[1], (Bytes{'1', '2', '3', 0x00, 0x96, 0x0D}));
  EXPECT_EQ(writes[2], (Bytes{'A', 'B', 'C', 0x00, 0xC6, 0x0D}));
  EXPECT_EQ(writes[3], bytesOf("OVER\r"));

  // The next time the dialog starts with that name; Cancel ends the command untouched.
  std::wstring shown;
  ModalStep look = [&] {
    HWND d = findModal(true);
    if (!d) return false;
    shown = windowText(fileNameBox(d));
    pressButton(d, IDCANCEL);
    return true;
  };
  const auto eventsBefore = port.events.size();
  runCommand(IDM_DOWNLOAD_LOOKUP_SERIAL, {look});
  EXPECT_NE(shown.find(L"k60lookup.txt"), std::wstring::npos) << "shown: " << shown.size();
  EXPECT_EQ(port.events.size(), eventsBefore);
}

// A UTF-8 file with LF line ends: the question names its line; Yes sends the lines in
// GB2312, No sends nothing and leaves the port closed.
TEST_F(TransferTest, AUtf8LookupFileIsConvertedOnlyWhenTheUserSaysYes) {
  TempPath file(L"k60lookup_utf8.txt");
  writeFile(file.path, "123\n\xe4\xb8\xad\xe6\x96\x87\n");
  port.onWrite = [](link::test::ScriptedPort& p, std::span<const std::uint8_t>) { p.reply("ACK\r"); };
  ModalSeen question, done;
  runCommand(IDM_DOWNLOAD_LOOKUP_SERIAL, {answerFileDialog(file.path), answerMessageBox(IDYES, &question),
                                          answerMessageBox(IDOK, &done)});
  EXPECT_EQ(question.text, L"索引文件是UTF-8文本(第2行不是GB2312)。\n要转换成GB2312再下载吗?");
  EXPECT_EQ(question.caption, L"下载");
  EXPECT_EQ(done.text, L"下载完毕!");
  const auto writes = port.writes();
  ASSERT_EQ(writes.size(), 4u);
  EXPECT_EQ(writes[1], (Bytes{'1', '2', '3', 0x00, 0x96, 0x0D}));
  EXPECT_EQ(writes[2], (Bytes{0xD6, 0xD0, 0xCE, 0xC4, 0x03, 0x38, 0x0D}));  // "中文" in GB2312

  const auto opened = port.count(Kind::Open);
  runCommand(IDM_DOWNLOAD_LOOKUP_SERIAL, {answerFileDialog(file.path), answerMessageBox(IDNO)});
  EXPECT_EQ(port.count(Kind::Open), opened);
  EXPECT_EQ(port.writes().size(), 4u);
}

TEST_F(TransferTest, ALookupFileThatCannotBeReadIsReportedWithoutAnOwnerAndNoPortIsOpened) {
  TempPath file(L"k60lookup_locked.TXT");
  writeFile(file.path, "123\r\n");
  // Held open without sharing, so the command cannot open it after the dialog.
  HANDLE lock = CreateFileW(file.path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  ModalSeen box;
  runCommand(IDM_DOWNLOAD_LOOKUP_IR, {answerFileDialog(file.path), answerMessageBox(IDOK, &box)});
  CloseHandle(lock);
  EXPECT_EQ(box.text, L"不能打开文件!");
  EXPECT_EQ(box.caption, L"错误");
  EXPECT_EQ(box.owner, nullptr);
  EXPECT_EQ(port.count(Kind::Open), 0u);
}

// ---- Data collection ----

// Plays a terminal with the given records: "ACK\r" to "READ\r", then a record per "ACK\r".
struct RecordingTerminal {
  std::vector<std::string> records;
  std::size_t next = 0;
  std::function<void()> onAck;  // after every "ACK\r" of the PC
  void operator()(link::test::ScriptedPort& p, std::span<const std::uint8_t> bytes) {
    const Bytes got(bytes.begin(), bytes.end());
    if (got == bytesOf("READ\r")) p.reply("ACK\r");
    else if (got == bytesOf("ACK\r") && onAck) onAck();
    if (got == bytesOf("NAK\r") || got == bytesOf("READ\r")) return send(p);
    if (got == bytesOf("ACK\r")) ++next, send(p);
  }
  void send(link::test::ScriptedPort& p) {
    if (next < records.size()) p.reply(recordLine(static_cast<std::uint8_t>(next % 10), records[next]));
    else p.reply("OVER\r");
  }
};

struct CounterSeen {
  std::vector<std::wstring> texts;
  RECT rect{};
  LONG_PTR exStyle = 0;
  COLORREF inside = 0;
  bool visible = false;
};

TEST_F(TransferTest, CollectionWritesTheRecordsShowsTheCounterAndOpensTheEditorOnAQuotedPath) {
  wchar_t tmp[MAX_PATH];
  GetTempPathW(MAX_PATH, tmp);
  const std::wstring dir = std::wstring(tmp) + L"k60 collect test";
  CreateDirectoryW(dir.c_str(), nullptr);
  const std::wstring path = dir + L"\\got.TXT";
  DeleteFileW(path.c_str());

  CounterSeen counter;
  RecordingTerminal terminal{{"A1", "B2"}};
  terminal.onAck = [&] {
    HWND box = FindWindowW(L"K60CounterBox", nullptr);
    if (!box) return counter.texts.push_back(L"(none)");
    counter.texts.push_back(windowText(box));
    counter.visible = IsWindowVisible(box);
    GetWindowRect(box, &counter.rect);
    counter.exStyle = GetWindowLongPtrW(box, GWL_EXSTYLE);
    HDC dc = GetDC(box);
    counter.inside = GetPixel(dc, 4, 4);
    ReleaseDC(box, dc);
  };
  port.onWrite = std::ref(terminal);
  std::vector<std::wstring> started, programs;
  app.startProgram = [&](const std::wstring& program, const std::wstring& line) {
    programs.push_back(program);
    return started.push_back(line), true;
  };

  ModalSeen save, question;
  runCommand(IDM_COLLECT_SERIAL, {answerFileDialog(dir + L"\\got", true, &save), answerMessageBox(IDYES, &question)});
  EXPECT_EQ(save.owner, main);
  EXPECT_EQ(save.filters, (std::vector<std::wstring>{L"文本文件 {*.TXT}", L"All files {*.*}"}));
  EXPECT_EQ(question.text, L"Done : 2 records received.\nView the received data?");
  EXPECT_EQ(question.caption, L"上传数据");
  EXPECT_EQ(question.icon, nullptr);
  EXPECT_EQ(readAll(path), bytesOf("A1\r\nB2\r\n"));
  // The dialog adds the default extension; its case is the dialog's affair.
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(_wcsicmp(started[0].c_str(), (L"notepad.exe \"" + path + L"\"").c_str()), 0);
  // The editor of the system directory, not one lying in the folder the dialog moved to.
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  EXPECT_EQ(programs, (std::vector<std::wstring>{std::wstring(system) + L"\\notepad.exe"}));

  EXPECT_EQ(counter.texts, (std::vector<std::wstring>{L"接收到的数据 : 1", L"接收到的数据 : 2"}));
  EXPECT_TRUE(counter.visible);
  EXPECT_EQ(counter.rect.bottom - counter.rect.top, 40);
  EXPECT_NEAR((counter.rect.left + counter.rect.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((counter.rect.top + counter.rect.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
  EXPECT_TRUE(counter.exStyle & WS_EX_TOPMOST);
  EXPECT_TRUE(counter.exStyle & WS_EX_NOACTIVATE);
  EXPECT_EQ(counter.inside, RGB(255, 255, 100));
  EXPECT_EQ(FindWindowW(L"K60CounterBox", nullptr), nullptr) << "the counter box outlived the collection";
  EXPECT_EQ(app.counterText, L"接收到的数据 : 2");
  EXPECT_EQ(port.count(Kind::Purge), 0u);

  DeleteFileW(path.c_str());
  RemoveDirectoryW(dir.c_str());
}

TEST_F(TransferTest, AnsweringNoToTheCollectionQuestionStartsNothing) {
  TempPath file(L"k60collect_no.TXT");
  RecordingTerminal terminal{{"X"}};
  port.onWrite = std::ref(terminal);
  bool started = false;
  app.startProgram = [&](const std::wstring&, const std::wstring&) { return started = true; };
  ModalSeen question;
  runCommand(IDM_COLLECT_TRANSPORT_2, {answerFileDialog(file.path), answerMessageBox(IDNO, &question)});
  EXPECT_EQ(question.text, L"Done : 1 records received.\nView the received data?");
  EXPECT_FALSE(started);
  EXPECT_EQ(readAll(file.path), bytesOf("X\r\n"));
}

TEST_F(TransferTest, ATerminalFallingSilentAfterSomeRecordsLeavesNoFileAndNoCounterBox) {
  TempPath file(L"k60collect_silent.TXT");
  RecordingTerminal terminal{{"R0", "R1", "R2"}};
  port.onWrite = [&](link::test::ScriptedPort& p, std::span<const std::uint8_t> bytes) {
    if (terminal.next < 2) terminal(p, bytes);  // silent once two records were taken
  };
  ModalSeen box;
  bool counterUp = true;
  ModalStep timeOut = [&] {
    if (!findModal(false)) return false;
    counterUp = FindWindowW(L"K60CounterBox", nullptr) != nullptr;
    return answerMessageBox(IDOK, &box)();
  };
  runCommand(IDM_COLLECT_SERIAL, {answerFileDialog(file.path), timeOut});
  EXPECT_EQ(box.text, L"超时!");
  EXPECT_EQ(box.icon, nullptr);
  EXPECT_FALSE(counterUp) << "the counter box was still up under the message";
  EXPECT_FALSE(fileExists(file.path));
}

// Esc during a collection stops it at the next wait: the port is purged and closed, the file
// that was there stays as it was, and the box says the transfer was cancelled. A key pressed
// before it does nothing.
TEST_F(TransferTest, EscCancelsACollectionAndLeavesTheEarlierFile) {
  TempPath file(L"k60collect_esc.TXT");
  writeFile(file.path, "old\r\n");
  RecordingTerminal terminal{{"R0", "R1", "R2"}};
  port.onWrite = [&](link::test::ScriptedPort& p, std::span<const std::uint8_t> bytes) {
    if (terminal.next < 2) return terminal(p, bytes);
    // The third record is acknowledged; the person gives up before the next line.
    PostMessageW(main, WM_KEYDOWN, 'Z', 0);
    PostMessageW(main, WM_KEYDOWN, VK_ESCAPE, 0);
  };
  ModalSeen overwrite, box;
  bool counterUp = true;
  ModalStep cancelled = [&] {
    if (!findModal(false)) return false;
    counterUp = FindWindowW(L"K60CounterBox", nullptr) != nullptr;
    return answerMessageBox(IDOK, &box)();
  };
  runCommand(IDM_COLLECT_SERIAL, {answerFileDialog(file.path), answerMessageBox(IDYES, &overwrite), cancelled});
  EXPECT_EQ(box.text, L"传输已取消!");
  EXPECT_EQ(box.caption, L"上传数据");
  EXPECT_FALSE(counterUp) << "the counter box was still up under the message";
  EXPECT_EQ(readAll(file.path), bytesOf("old\r\n"));
  ASSERT_GE(port.events.size(), 2u);
  EXPECT_EQ(port.events[port.events.size() - 2].kind, Kind::Purge);
  EXPECT_EQ(port.events.back().kind, Kind::Close);
  // "READ" and three ACKs: the cancel came at the first wait after the keys.
  EXPECT_EQ(port.count(Kind::Write), 4u);
}

TEST_F(TransferTest, ChoosingAnExistingFileForTheCollectionAsksBeforeReplacingIt) {
  TempPath file(L"k60collect_old.TXT");
  writeFile(file.path, "old\r\n");
  RecordingTerminal terminal{{"new"}};
  port.onWrite = std::ref(terminal);
  ModalSeen overwrite;
  runCommand(IDM_COLLECT_SERIAL,
             {answerFileDialog(file.path), answerMessageBox(IDYES, &overwrite), answerMessageBox(IDNO)});
  EXPECT_TRUE(overwrite.seen);
  EXPECT_EQ(readAll(file.path), bytesOf("new\r\n"));
}

TEST_F(TransferTest, NothingCollectedSaysSoAndLeavesNoFile) {
  TempPath file(L"k60collect_none.TXT");
  RecordingTerminal terminal;
  port.onWrite = std::ref(terminal);
  ModalSeen box;
  runCommand(IDM_COLLECT_SERIAL, {answerFileDialog(file.path), answerMessageBox(IDOK, &box)});
  EXPECT_EQ(box.text, L"没有接收到数据!");
  EXPECT_EQ(box.caption, L"上传数据");
  EXPECT_FALSE(fileExists(file.path));
}

}  // namespace
}  // namespace k60::shell::testsupport
