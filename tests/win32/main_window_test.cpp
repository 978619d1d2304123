// Start-up of the main window: classes, windows, the template's defaults, closing.
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

std::wstring textOf(HWND hwnd) {
  wchar_t text[128] = {};
  GetWindowTextW(hwnd, text, 128);
  return text;
}

TEST_F(ShellTest, RegistersTheTwoClassesAsTheProgramDescribesThem) {
  WNDCLASSEXW main = {sizeof main};
  ASSERT_TRUE(GetClassInfoExW(app.instance, L"AGK60", &main));
  EXPECT_EQ(main.style, UINT(CS_HREDRAW | CS_VREDRAW));
  EXPECT_EQ(main.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1));
  EXPECT_NE(main.hIcon, nullptr) << "icon resource AGK60 missing";
  EXPECT_NE(main.hCursor, nullptr);

  WNDCLASSEXW face = {sizeof face};
  ASSERT_TRUE(GetClassInfoExW(app.instance, L"Client", &face));
  EXPECT_EQ(face.style, UINT(CS_HREDRAW | CS_VREDRAW));
  EXPECT_EQ(face.hbrBackground, GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(face.hIcon, nullptr);
}

TEST_F(ShellTest, MainWindowIsACaptionlessPopupTheSizeOfTheTerminal) {
  EXPECT_EQ(classNameOf(main), L"AGK60");
  EXPECT_EQ(textOf(main), L"应用程序产生器");
  const LONG style = GetWindowLongW(main, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & WS_CAPTION);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_EQ(GetMenu(main), nullptr);
  EXPECT_EQ(app.mainWindow, main);

  RECT r;
  GetWindowRect(main, &r);
  EXPECT_EQ(r.right - r.left, 180);
  EXPECT_EQ(r.bottom - r.top, 400);
  // The test screen (Xvfb 1024 x 768) has room for the window where the program wants it.
  if (GetSystemMetrics(SM_CXSCREEN) >= 480 && GetSystemMetrics(SM_CYSCREEN) >= 450) {
    EXPECT_EQ(r.left, 300);
    EXPECT_EQ(r.top, 50);
  }
}

TEST_F(ShellTest, FaceWindowIsChild101CoveringTheMainWindow) {
  HWND face = GetDlgItem(main, IDC_FACE_WINDOW);
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(face, app.faceWindow);
  EXPECT_EQ(classNameOf(face), L"Client");
  EXPECT_EQ(GetParent(face), main);
  const LONG style = GetWindowLongW(face, GWL_STYLE);
  EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE), WS_CHILD | WS_VISIBLE);

  RECT faceRect, mainRect;
  GetWindowRect(face, &faceRect);
  GetWindowRect(main, &mainRect);
  EXPECT_TRUE(EqualRect(&faceRect, &mainRect));
}

TEST_F(ShellTest, TemplateHoldsItsDefaultsBeforeTheWindowIsEverShown) {
  // The window is still hidden and unpainted here.
  ASSERT_FALSE(IsWindowVisible(main));

  const std::vector<std::uint8_t> barcode = {0x9B, 0xC9, 0x00, 0x00, 0x00, 0x2D, 0x54, 0x80,
                                             0x00, 0x19, 0x3D, 0x00, 0xFF, 0x01, 0xFE, 0x01,
                                             0xFF, 0x01, 0xFF, 0x01, 0x66, 0x03, 0x03, 0x00};
  const auto block = app.tmpl.block(Block::Barcode);
  EXPECT_EQ(std::vector<std::uint8_t>(block.begin(), block.end()), barcode);

  const auto forms = app.tmpl.block(Block::Forms);
  EXPECT_EQ(forms[0], 1);                        // form 1: large font
  EXPECT_EQ(forms[2], 1);                        // form 1 continues with itself
  EXPECT_EQ(forms[9 * kFormRecordSize + 2], 10); // form 10 likewise
  EXPECT_EQ(app.tmpl.block(Block::Separator)[0], ',');

  Template expected;
  resetToDefaults(expected);
  EXPECT_TRUE(std::equal(expected.bytes().begin(), expected.bytes().end(),
                         app.tmpl.bytes().begin()));
  EXPECT_FALSE(app.tmpl.changed());
  EXPECT_FALSE(app.tmpl.hasFileName());
}

TEST_F(ShellTest, ProgramDirectoryIsTheModulePathUpToItsLastBackslash) {
  wchar_t module[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, module, MAX_PATH);
  ASSERT_GT(n, 0u);
  ASSERT_FALSE(app.programDir.empty());
  EXPECT_EQ(app.programDir.back(), L'\\');
  EXPECT_EQ(std::wstring(module, n).rfind(app.programDir, 0), 0u);
  EXPECT_EQ(std::wstring(module, n).find(L'\\', app.programDir.size()), std::wstring::npos);
}

TEST(ProgramDirectory, KeepsTheBackslash) {
  EXPECT_EQ(directoryOf(L"C:\\APP\\PROG.EXE"), L"C:\\APP\\");
  EXPECT_EQ(directoryOf(L"C:\\PROG.EXE"), L"C:\\");
  EXPECT_EQ(directoryOf(L"PROG.EXE"), L"");
}

TEST(MainWindowPlacement, StaysAtItsPlaceOnALargeScreenAndMovesOntoASmallOne) {
  const SIZE size = {180, 400};
  const RECT large = {0, 0, 1024, 768};
  POINT at = placeInside({300, 50}, size, large);
  EXPECT_EQ(at.x, 300);
  EXPECT_EQ(at.y, 50);

  const RECT small = {0, 0, 320, 240};  // smaller than the window: its top-left stays visible
  at = placeInside({300, 50}, size, small);
  EXPECT_EQ(at.x, 140);
  EXPECT_EQ(at.y, 0);

  const RECT shifted = {400, 100, 1000, 700};  // a work area not at the origin
  at = placeInside({300, 50}, size, shifted);
  EXPECT_EQ(at.x, 400);
  EXPECT_EQ(at.y, 100);
}

TEST_F(ShellTest, ExitCommandDestroysTheWindowAndEndsTheLoopWithCode0) {
  SendMessageW(main, WM_COMMAND, IDM_EXIT, 0);
  EXPECT_FALSE(IsWindow(main));
  EXPECT_EQ(app.mainWindow, nullptr);
  WPARAM code = 99;
  EXPECT_TRUE(testsupport::takeQuitMessage(&code));
  EXPECT_EQ(code, 0u);
}

TEST_F(ShellTest, CloseDestroysTheWindow) {
  SendMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(main));
  EXPECT_TRUE(testsupport::takeQuitMessage());
}

}  // namespace
}  // namespace k60::shell
