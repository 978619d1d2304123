// The Windows program's transfer commands against a terminal peer on a real COM port.
// tests/e2e/program_transfers.sh maps COM1 to a pty, starts `k60tool peer` on the other end
// and names its work directory in K60_E2E_DIR; this program then opens the template, and
// downloads the program, downloads the lookup file and collects the records (by cable, then
// through the IR transceiver) with the menu commands, answering every window as a user
// would. The script compares the bytes.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "resources/resource_ids.h"
#include "tests/win32/modal_driver.h"
#include "tests/win32/shell_fixture.h"

namespace k60::shell::testsupport {
namespace {

std::wstring workDir() {
  const wchar_t* dir = _wgetenv(L"K60_E2E_DIR");
  return dir ? dir : L"";
}

class LinkEndToEnd : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    ASSERT_FALSE(workDir().empty()) << "K60_E2E_DIR is not set: run tests/e2e/program_transfers.sh";
    ShowWindow(main, SW_SHOW);
  }
  // Runs a menu command and answers its windows in order; a transfer may take a while, and
  // only the time spent inside the program's own windows counts against the driver's 5 s.
  void run(int id, const std::vector<ModalStep>& steps) {
    int unexpected = 0;
    EXPECT_EQ(runModalSteps(steps, [&] { SendMessageW(main, WM_COMMAND, id, 0); }, &unexpected), steps.size());
    EXPECT_EQ(unexpected, 0);
  }
};

TEST_F(LinkEndToEnd, DownloadsTheProgramAndTheLookupFileThenCollectsTheRecordsTwice) {
  const std::wstring dir = workDir() + L"\\";
  run(IDM_OPEN, {answerFileDialog(dir + L"example.atx")});
  ASSERT_EQ(app.tmpl.comPort(), 0) << "the template must name COM1";

  ModalSeen done;
  run(IDM_DOWNLOAD_PROGRAM_SERIAL, {answerMessageBox(IDOK, &done)});
  EXPECT_EQ(done.text, L"下载完毕!");

  ModalSeen lookupDone;
  run(IDM_DOWNLOAD_LOOKUP_SERIAL, {answerFileDialog(dir + L"lookup.txt"), answerMessageBox(IDOK, &lookupDone)});
  EXPECT_EQ(lookupDone.text, L"下载完毕!");

  std::vector<std::wstring> started;
  app.startProgram = [&](const std::wstring&, const std::wstring& line) { return started.push_back(line), true; };
  ModalSeen question;
  run(IDM_COLLECT_SERIAL, {answerFileDialog(dir + L"collected.TXT"), answerMessageBox(IDYES, &question)});
  EXPECT_EQ(question.text.rfind(L"Done : ", 0), 0u) << "got: " << question.text.size() << " characters";
  EXPECT_EQ(started, (std::vector<std::wstring>{L"notepad.exe \"" + dir + L"collected.TXT\""}));

  // Through the IR transceiver: the set-up drives RTS and DTR through Wine's SetCommState
  // before the terminal speaks.
  ModalSeen irQuestion;
  run(IDM_COLLECT_IR, {answerFileDialog(dir + L"collected_ir.TXT"), answerMessageBox(IDNO, &irQuestion)});
  EXPECT_EQ(irQuestion.text, question.text);
  EXPECT_TRUE(app.line.dtrHigh && app.line.rtsHigh);
}

}  // namespace
}  // namespace k60::shell::testsupport
