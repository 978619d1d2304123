// The start-up page and the prompt-page dialogs through the real command and their real
// controls, checked on the template's bytes and on the simulated terminal's screen.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/prompt_pages.h"
#include "resources/editor_ids.h"
#include "simulator/simulator.h"
#include "simulator/win32/face_window.h"
#include "template/prompt_pages.h"
#include "template/startup_options.h"
#include "tests/support/test_support.h"
#include "tests/win32/sheet_driver.h"
#include "tests/win32/shell_fixture.h"

namespace k60::shell::testsupport {
namespace {

constexpr int kStartupPage = 5;

using k60::test::gb;
using k60::test::storeOf;

bool enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

class StartupPageTest : public ShellTest {};

// What the page shows first, then after each text typed (the box it changed or its partner).
TEST_F(StartupPageTest, ShowsTheDefaultsAndTheRealBoxesKeepInStep) {
  std::vector<std::wstring> seen;
  auto drive = [&](HWND page) {
    const auto on = [&](int id) { return std::wstring(enabled(page, id) ? L"on" : L"off"); };
    seen = {itemText(page, IDC_START_POSITION), itemText(page, IDC_SEPARATOR_MODE),
            itemText(page, IDC_SEPARATOR_VALUE_1), itemText(page, IDC_SEPARATOR_TEXT_1),
            on(IDC_SEPARATOR_TEXT_1), on(IDC_SEPARATOR_VALUE_2), on(IDC_SEPARATOR_TEXT_2),
            typeInto(page, IDC_SEPARATOR_VALUE_1, L"59", IDC_SEPARATOR_TEXT_1),
            typeInto(page, IDC_SEPARATOR_TEXT_1, L"A", IDC_SEPARATOR_VALUE_1),
            typeInto(page, IDC_SEPARATOR_VALUE_1, L"65", IDC_SEPARATOR_TEXT_1),  // the partner holds "A" already
            typeInto(page, IDC_SEPARATOR_TEXT_1, L"B", IDC_SEPARATOR_VALUE_1),
            typeInto(page, IDC_SEPARATOR_TEXT_1, L"中"),
            typeInto(page, IDC_SEPARATOR_VALUE_1, L"59", IDC_SEPARATOR_TEXT_1)};
    selectInList(page, IDC_SEPARATOR_MODE, 2);
    seen.push_back(on(IDC_SEPARATOR_TEXT_2));
    seen.push_back(typeInto(page, IDC_SEPARATOR_TEXT_2, L"-", IDC_SEPARATOR_VALUE_2));
    selectInList(page, IDC_START_POSITION, 1);
  };
  runEdit(main, {onSheetPage(kStartupPage, drive), answerPropertySheet(IDOK)});
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"窗体 1", L" 1 ", L"44", L",", L"on", L"off", L"off", L";", L"65", L"A",
                                             L"66", L"B", L";", L"on", L"45"}));
  EXPECT_EQ(app.tmpl.startup().startPosition(), 1);
  EXPECT_EQ(app.tmpl.startup().separatorByte(0), 59);
  EXPECT_EQ(app.tmpl.startup().separatorByte(1), 45);
}

TEST_F(StartupPageTest, APromptDialogsOkSurvivesTheSheetsCancelAndTheTerminalShowsIt) {
  app.tmpl.setChanged(false);
  const auto before = storeOf(app.tmpl);
  std::wstring cut;
  auto typeLines = [&](HWND dialog) {
    cut = typeInto(dialog, IDC_PROMPT_LINE_1, L"1234567890123456");
    SetDlgItemTextW(dialog, IDC_PROMPT_LINE_1 + 1, L"2.盘点");
  };
  runEdit(main, {onSheetPage(kStartupPage, {}, IDC_PROMPT_WELCOME + 1),
                 onDialog(L"主菜单 (3x15)", typeLines, IDOK), answerPropertySheet(IDCANCEL)});
  EXPECT_EQ(cut, L"123456789012345") << "the 16th byte is cut at once";
  const PromptPage page = app.tmpl.prompt(PromptPageId::MainMenu);
  EXPECT_EQ(page.line(0), "123456789012345");
  EXPECT_FALSE(app.tmpl.changed());
  auto after = storeOf(app.tmpl);
  const auto prompts = blockSpan(Block::Prompts).offset + kPromptPages[1].offset;
  std::copy(before.begin() + prompts, before.begin() + prompts + 48, after.begin() + prompts);
  EXPECT_EQ(after, before) << "lines 1 to 3 of the main menu and nothing else";

  runEdit(main, {answerPropertySheet(IDOK)});  // the terminal starts again on the main page
  sim::Simulator& simulator = *sim::faceSimulator(app.faceWindow);
  EXPECT_EQ(simulator.state(), sim::SimulatorState::MainPage);
  EXPECT_EQ(std::string(simulator.screen().line(0)).substr(0, 15), "123456789012345");
  EXPECT_EQ(std::string(simulator.screen().line(1)).substr(0, 6), gb("2.盘点"));
}

// What a dialog's font does with the texts: 'i' as wide as 'W', and glyphs for Chinese.
bool fixedPitchChinese(HWND dialog) {
  HDC dc = GetDC(dialog);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
  SIZE narrow = {}, wide = {};
  GetTextExtentPoint32W(dc, L"i", 1, &narrow);
  GetTextExtentPoint32W(dc, L"W", 1, &wide);
  WORD glyphs[2] = {};
  GetGlyphIndicesW(dc, L"数据", 2, glyphs, GGI_MARK_NONEXISTING_GLYPHS);
  SelectObject(dc, old);
  ReleaseDC(dialog, dc);
  return narrow.cx == wide.cx && glyphs[0] != 0xFFFF && glyphs[1] != 0xFFFF;
}

// Every button opens its dialog: a box per line shown (the welcome's first and last disabled), a
// fixed-pitch font with Chinese glyphs. Cancel stores nothing typed; the welcome's opening set lines 1, 4.
TEST_F(StartupPageTest, EveryPromptButtonOpensItsDialogAndCancelKeepsWhatOpeningSet) {
  const std::wstring titles[] = {L"欢迎页 (4x15)",  L"主菜单 (3x15)",      L"功能菜单 (8x20)",     L"删除菜单 (4x15)",
                                 L"确认页 (3x15)",  L"内存 & 电池 (4x15)", L"下载索引文件 (4x15)", L"系统设置 (8x20)",
                                 L"上传菜单(8x20)", L"下载菜单(8x20)",     L"波特率菜单(5x20)",    L"背光设置(4x20)",
                                 L"数据擦除(4x20)", L"记录提示(4x20)",     L"查看系统设置 (8x20)", L"连接信息 (4x15)",
                                 L"出错信息 (5x20)", L"其它信息 (7x15)"};
  for (std::size_t i = 0; i < editor::kPromptDialogs.size(); ++i) {
    const editor::PromptDialog& row = editor::kPromptDialogs[i];
    std::vector<bool> editable;
    bool font = false;
    auto look = [&](HWND dialog) {
      for (int id = IDC_PROMPT_LINE_1; GetDlgItem(dialog, id); ++id) editable.push_back(enabled(dialog, id));
      font = fixedPitchChinese(dialog);
      SetDlgItemTextW(dialog, IDC_PROMPT_LINE_1 + 1, L"not stored");
    };
    runEdit(main, {onSheetPage(kStartupPage, {}, row.button), onDialog(titles[i], look, IDCANCEL),
                   answerPropertySheet(IDCANCEL)});
    std::vector<bool> expected(row.shown, true);
    if (i == 0) expected.front() = expected.back() = false;
    EXPECT_EQ(editable, expected) << row.resource;
    EXPECT_TRUE(font) << row.resource;
  }
  const PromptPage welcome = app.tmpl.prompt(PromptPageId::Welcome);
  EXPECT_EQ(welcome.line(0), "    ORVO     ");
  EXPECT_EQ(welcome.line(1), gb("    应用程序   "));
  EXPECT_EQ(welcome.line(3), gb("  版本 4.10  "));
}

}  // namespace
}  // namespace k60::shell::testsupport
