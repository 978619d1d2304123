// Start-up of the main window: classes, windows, the template's defaults, closing.
#include <algorithm>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "shell/win32/program_dir.h"
#include "template/defaults.h"
#include "tests/win32/shell_fixture.h"

namespace k60::shell {
namespace {

using testsupport::ShellTest;

std::wstring classNameOf(HWND hwnd) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return name;
}

TEST_F(ShellTest, StartUpMakesACaptionlessPopupCoveredByTheFaceWindow) {
  WNDCLASSEXW mainClass = {sizeof mainClass}, faceClass = {sizeof faceClass};
  ASSERT_TRUE(GetClassInfoExW(app.instance, L"AGK60", &mainClass));
  ASSERT_TRUE(GetClassInfoExW(app.instance, L"Client", &faceClass));
  EXPECT_EQ(mainClass.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1));
  EXPECT_NE(mainClass.hIcon, nullptr) << "icon resource AGK60 missing";
  EXPECT_EQ(faceClass.hbrBackground, GetStockObject(WHITE_BRUSH));

  wchar_t title[64] = {};
  GetWindowTextW(main, title, 64);
  EXPECT_EQ(std::wstring(title), L"应用程序产生器");
  EXPECT_EQ(classNameOf(main), L"AGK60");
  const LONG style = GetWindowLongW(main, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME));

  RECT mainRect;
  GetWindowRect(main, &mainRect);
  EXPECT_EQ(mainRect.right - mainRect.left, 180);
  EXPECT_EQ(mainRect.bottom - mainRect.top, 400);
  if (GetSystemMetrics(SM_CXSCREEN) >= 480 && GetSystemMetrics(SM_CYSCREEN) >= 450) {
    EXPECT_EQ(mainRect.left, 300);
    EXPECT_EQ(mainRect.top, 50);
  }

  HWND face = GetDlgItem(main, IDC_FACE_WINDOW);
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(face, app.faceWindow);
  EXPECT_EQ(classNameOf(face), L"Client");
  EXPECT_EQ(GetWindowLongW(face, GWL_STYLE) & (WS_CHILD | WS_VISIBLE), WS_CHILD | WS_VISIBLE);
  RECT faceRect;
  GetWindowRect(face, &faceRect);
  EXPECT_TRUE(EqualRect(&faceRect, &mainRect));
}

TEST_F(ShellTest, TemplateHoldsItsDefaultsBeforeTheWindowIsEverShown) {
  ASSERT_FALSE(IsWindowVisible(main));  // so nothing has been painted yet

  const std::vector<std::uint8_t> barcode = {0x9B, 0xC9, 0x00, 0x00, 0x00, 0x2D, 0x54, 0x80,
                                             0x00, 0x19, 0x3D, 0x00, 0xFF, 0x01, 0xFE, 0x01,
                                             0xFF, 0x01, 0xFF, 0x01, 0x66, 0x03, 0x03, 0x00};
  const auto block = app.tmpl.block(Block::Barcode);
  EXPECT_EQ(std::vector<std::uint8_t>(block.begin(), block.end()), barcode);
  EXPECT_EQ(app.tmpl.block(Block::Forms)[2], 1);  // form 1 continues with itself

  Template expected;
  resetToDefaults(expected);
  EXPECT_TRUE(std::ranges::equal(app.tmpl.bytes(), expected.bytes()));
}

TEST_F(ShellTest, ProgramDirectoryIsTheModulePathUpToItsLastBackslash) {
  EXPECT_EQ(directoryOf(L"C:\\APP\\PROG.EXE"), L"C:\\APP\\");
  EXPECT_EQ(directoryOf(L"PROG.EXE"), L"");

  wchar_t module[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, module, MAX_PATH);
  ASSERT_GT(n, 0u);
  EXPECT_EQ(app.programDir, directoryOf(std::wstring(module, n)));
  EXPECT_FALSE(app.programDir.empty());
}

TEST(MainWindowPlacement, MovesOntoTheScreenOnlyWhenItWouldNotFit) {
  const SIZE size = {180, 400};
  POINT at = placeInside({300, 50}, size, {0, 0, 1024, 768});
  EXPECT_EQ(at.x, 300);
  EXPECT_EQ(at.y, 50);
  at = placeInside({300, 50}, size, {0, 0, 320, 240});  // too low even for the top-left
  EXPECT_EQ(at.x, 140);
  EXPECT_EQ(at.y, 0);
  at = placeInside({300, 50}, size, {400, 100, 1000, 700});
  EXPECT_EQ(at.x, 400);
  EXPECT_EQ(at.y, 100);
}

TEST_F(ShellTest, ExitCommandDestroysTheWindowAndEndsTheLoopWithCode0) {
  SendMessageW(main, WM_COMMAND, IDM_EXIT, 0);
  EXPECT_FALSE(IsWindow(main));
  WPARAM code = 99;
  EXPECT_TRUE(testsupport::takeQuitMessage(&code));
  EXPECT_EQ(code, 0u);
}

}  // namespace
}  // namespace k60::shell
