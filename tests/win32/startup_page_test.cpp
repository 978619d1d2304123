// The start-up page and the prompt-page dialogs through the real command and their real
// controls, checked on the template's bytes and on the simulated terminal's screen.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/prompt_pages.h"
#include "resources/editor_ids.h"
#include "resources/resource_ids.h"
#include "simulator/simulator.h"
#include "simulator/win32/face_window.h"
#include "template/prompt_pages.h"
#include "template/startup_options.h"
#include "tests/support/test_support.h"
#include "tests/win32/modal_driver.h"
#include "tests/win32/shell_fixture.h"

namespace k60::shell::testsupport {
namespace {

constexpr int kStartupPage = 5;
constexpr int kMainMenuButton = IDC_PROMPT_WELCOME + 1;

using k60::test::gb;
using k60::test::storeOf;

HWND startupPage(HWND sheet) {
  PropSheet_SetCurSel(sheet, nullptr, kStartupPage);
  return PropSheet_GetCurrentPageHwnd(sheet);
}

void selectInList(HWND dialog, int id, int position) {
  SendDlgItemMessageW(dialog, id, CB_SETCURSEL, position, 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::wstring itemText(HWND dialog, int id) { return windowText(GetDlgItem(dialog, id)); }

// Types `text` into box `id` and returns what box `shown` then holds.
std::wstring type(HWND dialog, int id, const wchar_t* text, int shown) {
  SetDlgItemTextW(dialog, id, text);
  return itemText(dialog, shown);
}

bool enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

class StartupPageTest : public ShellTest {
 protected:
  void edit(const std::vector<ModalStep>& steps) {
    int unexpected = 0;
    EXPECT_EQ(runModalSteps(steps, [&] { SendMessageW(main, WM_COMMAND, IDM_EDIT, 0); }, &unexpected), steps.size());
    EXPECT_EQ(unexpected, 0);
  }
  // Opens the start-up page and presses a prompt button on it.
  static ModalStep press(int button) {
    return [=] {
      HWND sheet = findDialogTitled(L"应用程序模板");
      if (!sheet || !IsWindowEnabled(sheet)) return false;
      pressButton(startupPage(sheet), button);
      return true;
    };
  }
  // Acts on the dialog titled `title`, then closes it with `button`.
  static ModalStep answer(const std::wstring& title, int button, std::function<void(HWND)> act) {
    return [=] {
      HWND dialog = findDialogTitled(title);
      if (!dialog) return false;
      act(dialog);
      pressButton(dialog, button);
      return true;
    };
  }
  sim::Simulator& simulator() { return *sim::faceSimulator(app.faceWindow); }
};

// What the page shows first, then after each typed text (the box it changed or its partner).
TEST_F(StartupPageTest, TheDefaultTemplateShowsForm1AndTheCommaAndTheBoxesKeepInStep) {
  std::vector<std::wstring> seen;
  auto drive = [&](HWND sheet) {
    HWND page = startupPage(sheet);
    const auto on = [&](int id) { return std::wstring(enabled(page, id) ? L"on" : L"off"); };
    seen = {itemText(page, IDC_START_POSITION), itemText(page, IDC_SEPARATOR_MODE),
            itemText(page, IDC_SEPARATOR_VALUE_1), itemText(page, IDC_SEPARATOR_TEXT_1),
            on(IDC_SEPARATOR_TEXT_1), on(IDC_SEPARATOR_VALUE_2), on(IDC_SEPARATOR_TEXT_2),
            type(page, IDC_SEPARATOR_VALUE_1, L"59", IDC_SEPARATOR_TEXT_1),
            type(page, IDC_SEPARATOR_TEXT_1, L"A", IDC_SEPARATOR_VALUE_1),
            type(page, IDC_SEPARATOR_VALUE_1, L"65", IDC_SEPARATOR_TEXT_1),  // the partner holds "A" already
            type(page, IDC_SEPARATOR_TEXT_1, L"B", IDC_SEPARATOR_VALUE_1),
            type(page, IDC_SEPARATOR_TEXT_1, L"中", IDC_SEPARATOR_TEXT_1),
            type(page, IDC_SEPARATOR_VALUE_1, L"300", IDC_SEPARATOR_VALUE_1),
            type(page, IDC_SEPARATOR_VALUE_1, L"x", IDC_SEPARATOR_TEXT_1),
            itemText(page, IDC_SEPARATOR_VALUE_1),
            type(page, IDC_SEPARATOR_VALUE_1, L"59", IDC_SEPARATOR_TEXT_1)};
    selectInList(page, IDC_SEPARATOR_MODE, 2);
    seen.push_back(on(IDC_SEPARATOR_TEXT_2));
    seen.push_back(type(page, IDC_SEPARATOR_TEXT_2, L"-", IDC_SEPARATOR_VALUE_2));
    selectInList(page, IDC_START_POSITION, 1);
  };
  const auto before = storeOf(app.tmpl);
  edit({answerPropertySheet(IDCANCEL, drive)});
  EXPECT_EQ(storeOf(app.tmpl), before) << "Cancel stores nothing";
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"窗体 1", L" 1 ", L"44", L",", L"on", L"off", L"off", L";", L"65", L"A",
                                             L"66", L"B", L"66", L"", L"0", L";", L"on", L"45"}));

  edit({answerPropertySheet(IDOK, drive)});
  const StartupOptions options = app.tmpl.startup();
  EXPECT_EQ(options.startPosition(), 1);
  EXPECT_EQ(options.separatorByte(0), 59);
  EXPECT_EQ(options.separatorByte(1), 45);
}

TEST_F(StartupPageTest, APromptDialogsOkSurvivesTheSheetsCancelAndTheTerminalShowsIt) {
  app.tmpl.setChanged(false);
  const auto before = storeOf(app.tmpl);
  std::wstring cut;
  bool fourthBox = true;
  auto typeLines = [&](HWND dialog) {
    cut = type(dialog, IDC_PROMPT_LINE_1, L"1234567890123456", IDC_PROMPT_LINE_1);
    SetDlgItemTextW(dialog, IDC_PROMPT_LINE_1 + 1, L"2.盘点");
    fourthBox = GetDlgItem(dialog, IDC_PROMPT_LINE_1 + 3) != nullptr;
  };
  edit({press(kMainMenuButton), answer(L"主菜单 (3x15)", IDOK, typeLines), answerPropertySheet(IDCANCEL)});
  EXPECT_EQ(cut, L"123456789012345") << "the 16th byte is cut at once";
  EXPECT_FALSE(fourthBox);
  const PromptPage page = app.tmpl.prompt(PromptPageId::MainMenu);
  EXPECT_EQ(page.line(0), "123456789012345");
  EXPECT_EQ(page.line(1), gb("2.盘点"));
  EXPECT_EQ(page.line(2), gb("3.系统工具     "));
  EXPECT_EQ(page.line(3), std::string(15, ' '));
  EXPECT_FALSE(app.tmpl.changed());
  auto after = storeOf(app.tmpl);
  const auto prompts = blockSpan(Block::Prompts).offset + kPromptPages[1].offset;
  std::copy(before.begin() + prompts, before.begin() + prompts + 48, after.begin() + prompts);
  EXPECT_EQ(after, before) << "lines 1 to 3 of the main menu and nothing else";

  edit({answerPropertySheet(IDOK)});  // the terminal starts again on the main page
  EXPECT_EQ(simulator().state(), sim::SimulatorState::MainPage);
  EXPECT_EQ(std::string(simulator().screen().line(0)).substr(0, 15), "123456789012345");
  EXPECT_EQ(std::string(simulator().screen().line(1)).substr(0, 6), gb("2.盘点"));
}

TEST_F(StartupPageTest, TheWelcomeDialogSetsLines1And4EvenWhenCancelled) {
  bool ends = true, middle = false;
  auto look = [&](HWND dialog) {
    ends = enabled(dialog, IDC_PROMPT_LINE_1) || enabled(dialog, IDC_PROMPT_LINE_1 + 3);
    middle = enabled(dialog, IDC_PROMPT_LINE_1 + 1) && enabled(dialog, IDC_PROMPT_LINE_1 + 2);
    SetDlgItemTextW(dialog, IDC_PROMPT_LINE_1 + 1, L"not stored");
  };
  edit({press(IDC_PROMPT_WELCOME), answer(L"欢迎页 (4x15)", IDCANCEL, look), answerPropertySheet(IDCANCEL)});
  EXPECT_FALSE(ends);
  EXPECT_TRUE(middle);
  const PromptPage page = app.tmpl.prompt(PromptPageId::Welcome);
  EXPECT_EQ(page.line(0), "    ORVO     ");
  EXPECT_EQ(page.line(1), gb("    应用程序   "));
  EXPECT_EQ(page.line(3), gb("  版本 4.10  "));
}

// What a dialog's font does with the texts: 'i' as wide as 'W', and glyphs for Chinese.
struct FontSeen {
  bool fixedPitch = false;
  bool chinese = false;
};

FontSeen fontOf(HWND dialog) {
  HDC dc = GetDC(dialog);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
  SIZE narrow = {}, wide = {};
  GetTextExtentPoint32W(dc, L"i", 1, &narrow);
  GetTextExtentPoint32W(dc, L"W", 1, &wide);
  WORD glyphs[2] = {};
  GetGlyphIndicesW(dc, L"数据", 2, glyphs, GGI_MARK_NONEXISTING_GLYPHS);
  SelectObject(dc, old);
  ReleaseDC(dialog, dc);
  return {narrow.cx == wide.cx, glyphs[0] != 0xFFFF && glyphs[1] != 0xFFFF};
}

// Every button opens its own dialog, with one box per line shown, in a fixed-pitch font that
// has the Chinese glyphs of its labels.
TEST_F(StartupPageTest, EveryButtonOpensItsDialogInAFixedPitchChineseFont) {
  const std::wstring titles[] = {L"欢迎页 (4x15)",  L"主菜单 (3x15)",      L"功能菜单 (8x20)",     L"删除菜单 (4x15)",
                                 L"确认页 (3x15)",  L"内存 & 电池 (4x15)", L"下载索引文件 (4x15)", L"系统设置 (8x20)",
                                 L"上传菜单(8x20)", L"下载菜单(8x20)",     L"波特率菜单(5x20)",    L"背光设置(4x20)",
                                 L"数据擦除(4x20)", L"记录提示(4x20)",     L"查看系统设置 (8x20)", L"连接信息 (4x15)",
                                 L"出错信息 (5x20)", L"其它信息 (7x15)"};
  for (std::size_t i = 0; i < editor::kPromptDialogs.size(); ++i) {
    const editor::PromptDialog& row = editor::kPromptDialogs[i];
    std::size_t boxes = 0;
    FontSeen font;
    auto look = [&](HWND dialog) {
      while (GetDlgItem(dialog, IDC_PROMPT_LINE_1 + static_cast<int>(boxes))) ++boxes;
      font = fontOf(dialog);
    };
    edit({press(row.button), answer(titles[i], IDCANCEL, look), answerPropertySheet(IDCANCEL)});
    EXPECT_EQ(boxes, row.shown) << row.resource;
    EXPECT_TRUE(font.fixedPitch) << row.resource;
    EXPECT_TRUE(font.chinese) << row.resource;
  }
}

}  // namespace
}  // namespace k60::shell::testsupport
