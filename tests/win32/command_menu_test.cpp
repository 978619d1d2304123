// Commands reaching the main window: right-click menu, accelerators, About, unknown ids.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "shell/win32/application.h"
#include "shell/win32/command_dispatch.h"
#include "tests/win32/modal_driver.h"
#include "tests/win32/shell_fixture.h"

namespace k60::shell {
namespace {

using testsupport::CommandRecorder;
using testsupport::findThreadWindow;
using testsupport::ModalStep;
using testsupport::pressButton;
using testsupport::pumpQueue;
using testsupport::runModalSteps;
using testsupport::ShellTest;
using testsupport::windowText;
using testsupport::whileModal;

TEST_F(ShellTest, RightClickShowsTheCommandMenuAtTheMouseAndItsChoiceReachesTheMainWindow) {
  ShowWindow(main, SW_SHOWNORMAL);
  UpdateWindow(main);
  RECT menuRect = {};
  bool shown = false;
  whileModal(
      [&] {
        HWND menu = findThreadWindow(L"#32768");
        if (!menu) return false;
        shown = true;
        GetWindowRect(menu, &menuRect);
        // Up from no selection goes to the last item: Exit.
        PostMessageW(menu, WM_KEYDOWN, VK_UP, 0);
        PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
        return true;
      },
      [&] { SendMessageW(app.faceWindow, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 30)); });
  ASSERT_TRUE(shown) << "no popup menu appeared";

  RECT mainRect;
  GetWindowRect(main, &mainRect);
  EXPECT_EQ(menuRect.left, mainRect.left + 20);
  EXPECT_EQ(menuRect.top, mainRect.top + 30);

  EXPECT_TRUE(pumpQueue());
  EXPECT_FALSE(IsWindow(main)) << "Exit chosen from the menu did not close the program";
}

TEST_F(ShellTest, CtrlKeysBecomeCommandsOfTheMainWindowInTheMessageLoop) {
  HACCEL accelerators = LoadAcceleratorsW(app.instance, L"AGK60");
  ASSERT_NE(accelerators, nullptr);
  CommandRecorder recorder(main);

  BYTE keys[256], saved[256];
  GetKeyboardState(saved);
  std::copy(std::begin(saved), std::end(saved), keys);

  // Without Control a letter is just a letter.
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  PostMessageW(app.faceWindow, WM_KEYDOWN, 'N', 1);
  PostQuitMessage(5);
  EXPECT_EQ(runMessageLoop(main, accelerators), 5);
  EXPECT_TRUE(recorder.ids.empty());

  // The keys go to the face window, which has the focus; the commands reach the main window.
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  for (WPARAM key : {'N', 'O', 'S', 'E'}) PostMessageW(app.faceWindow, WM_KEYDOWN, key, 1);
  PostQuitMessage(7);
  const int code = runMessageLoop(main, accelerators);
  SetKeyboardState(saved);

  EXPECT_EQ(code, 7);
  EXPECT_EQ(recorder.ids, (std::vector<int>{IDM_NEW, IDM_OPEN, IDM_SAVE, IDM_EDIT}));
}

std::wstring textOf(HWND hwnd) {
  wchar_t text[128] = {};
  GetWindowTextW(hwnd, text, 128);
  return text;
}

TEST_F(ShellTest, AboutCommandShowsTheAboutBoxUntilItsButtonIsPressed) {
  HWND dialog = nullptr, owner = nullptr;
  std::wstring caption, okText;
  std::vector<std::wstring> texts;
  bool hasIcon = false;
  whileModal(
      [&] {
        dialog = findThreadWindow(L"#32770");
        if (!dialog) return false;
        owner = GetWindow(dialog, GW_OWNER);
        caption = textOf(dialog);
        okText = textOf(GetDlgItem(dialog, IDOK));
        for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
          texts.push_back(textOf(c));
          hasIcon = hasIcon || SendMessageW(c, STM_GETICON, 0, 0) != 0;
        }
        SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        return true;
      },
      [&] { SendMessageW(main, WM_COMMAND, IDM_ABOUT, 0); });

  ASSERT_NE(dialog, nullptr) << "no About box appeared";
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_TRUE(IsWindow(main));
  EXPECT_EQ(owner, main);
  EXPECT_EQ(caption, L"ORVO程序产生器");
  EXPECT_NE(std::find(texts.begin(), texts.end(), L"ORVOK60程序产生器 (Ver 4.10)"), texts.end());
  EXPECT_EQ(okText, L"确定");
  EXPECT_TRUE(hasIcon);
}

void collectItemIds(HMENU menu, std::vector<int>& ids) {
  for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
    if (HMENU sub = GetSubMenu(menu, i)) {
      collectItemIds(sub, ids);
    } else if (int id = static_cast<int>(GetMenuItemID(menu, i)); id > 0) {
      ids.push_back(id);
    }
  }
}

TEST_F(ShellTest, DispatcherKnowsEveryMenuCommandAndIgnoresOtherIds) {
  HMENU bar = LoadMenuW(GetModuleHandleW(nullptr), L"PopMenuK60");
  ASSERT_NE(bar, nullptr);
  std::vector<int> ids;
  collectItemIds(GetSubMenu(bar, 0), ids);
  DestroyMenu(bar);
  ASSERT_EQ(ids.size(), 14u);
  ids.insert(ids.end(), {IDM_COLLECT_TRANSPORT_2, IDM_HELP_CONTENTS, IDM_HELP_FINDER});
  for (int id : ids) EXPECT_TRUE(isKnownCommand(id)) << id;
  for (int id : {0, 1000, 3022, 9999}) {
    EXPECT_FALSE(isKnownCommand(id)) << id;
    SendMessageW(main, WM_COMMAND, id, 0);
  }
  EXPECT_TRUE(IsWindow(main));
}

// The COM settings open their dialog, whose Cancel leaves the template and its flag alone
// (the transfers have tests of their own).
TEST_F(ShellTest, CancelledComSettingsChangeNothing) {
  const std::vector<std::uint8_t> before(app.tmpl.bytes().begin(), app.tmpl.bytes().end());
  ModalStep cancel = [&] {
    HWND dialog = findThreadWindow(L"#32770");
    if (!dialog || windowText(dialog) != L"COM口设置") return false;
    pressButton(dialog, IDCANCEL);
    return true;
  };
  EXPECT_EQ(runModalSteps({cancel}, [&] { SendMessageW(main, WM_COMMAND, IDM_COM_SETTINGS, 0); }), 1u);
  EXPECT_TRUE(std::equal(before.begin(), before.end(), app.tmpl.bytes().begin()));
  EXPECT_FALSE(app.tmpl.changed());
  EXPECT_TRUE(IsWindow(main));
}

}  // namespace
}  // namespace k60::shell
