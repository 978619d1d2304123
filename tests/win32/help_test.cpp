// Help commands: the pages in the program directory, opened through the viewer seam.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "tests/win32/modal_driver.h"
#include "tests/win32/shell_fixture.h"

namespace k60::shell {
namespace {

namespace fs = std::filesystem;
using testsupport::answerMessageBox;
using testsupport::ModalSeen;
using testsupport::runModalSteps;

// A program directory of the test's own, with or without the two help pages in it.
class HelpTest : public testsupport::ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    dir_ = fs::temp_directory_path() / (L"k60help_" + std::to_wstring(GetCurrentProcessId()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    app.programDir = dir_.wstring() + L"\\";
    app.openDocument = [this](const std::wstring& path) {
      opened.push_back(path);
      return viewerWorks;
    };
  }
  void TearDown() override {
    fs::remove_all(dir_);
    ShellTest::TearDown();
  }

  void addPage(const wchar_t* name) { std::ofstream(dir_ / name) << "<html></html>"; }

  // Sends the command and answers the message box it may show; `unexpected` counts boxes
  // shown when none was expected.
  ModalSeen runCommand(int id, bool expectBox, int* unexpected) {
    ModalSeen seen;
    std::vector<testsupport::ModalStep> steps;
    if (expectBox) steps.push_back(answerMessageBox(IDOK, &seen));
    runModalSteps(steps, [&] { SendMessageW(main, WM_COMMAND, id, 0); }, unexpected);
    return seen;
  }

  fs::path dir_;
  std::vector<std::wstring> opened;
  bool viewerWorks = true;
};

TEST_F(HelpTest, ContentsAndFinderOpenTheirPagesInTheProgramDirectory) {
  addPage(L"ZQ.htm");
  addPage(L"ZQ-index.htm");
  int unexpected = 0;
  runCommand(IDM_HELP_CONTENTS, false, &unexpected);
  runCommand(IDM_HELP_FINDER, false, &unexpected);
  EXPECT_EQ(unexpected, 0) << "no message when the pages are there";
  EXPECT_EQ(opened, (std::vector<std::wstring>{app.programDir + L"ZQ.htm", app.programDir + L"ZQ-index.htm"}));
}

TEST_F(HelpTest, MissingPageIsReportedWithItsPathAndNothingIsOpened) {
  addPage(L"ZQ.htm");  // the finder's page is the one missing
  int unexpected = 0;
  const ModalSeen seen = runCommand(IDM_HELP_FINDER, true, &unexpected);
  ASSERT_TRUE(seen.seen) << "no message box";
  EXPECT_EQ(unexpected, 0);
  EXPECT_EQ(seen.owner, main);
  EXPECT_EQ(seen.caption, L"错误");
  EXPECT_EQ(seen.text, L"找不到帮助文件:\n" + app.programDir + L"ZQ-index.htm");
  EXPECT_EQ(seen.icon, LoadIconW(nullptr, IDI_WARNING));
  EXPECT_TRUE(opened.empty());
}

TEST_F(HelpTest, PageTheViewerCannotOpenIsReported) {
  addPage(L"ZQ.htm");
  viewerWorks = false;
  int unexpected = 0;
  const ModalSeen seen = runCommand(IDM_HELP_CONTENTS, true, &unexpected);
  ASSERT_TRUE(seen.seen) << "no message box";
  EXPECT_EQ(seen.caption, L"错误");
  EXPECT_EQ(seen.text, L"不能打开帮助文件:\n" + app.programDir + L"ZQ.htm");
  EXPECT_EQ(opened, std::vector<std::wstring>{app.programDir + L"ZQ.htm"});
}

}  // namespace
}  // namespace k60::shell
