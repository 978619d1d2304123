// The terminal-face window under Wine: key presses through the hit test, the no-program
// message, PWR and right-click menus, dragging the program window, the clock timer, and
// where the LCD text lands when the face is painted.
#include <algorithm>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "simulator/simulator.h"
#include "simulator/win32/face_bitmap_table.h"
#include "simulator/win32/face_keyboard.h"
#include "simulator/win32/face_paint.h"
#include "simulator/win32/face_window.h"
#include "simulator/win32/lcd_text.h"
#include "template/form_record.h"
#include "template/gb_text.h"
#include "tests/support/test_support.h"
#include "tests/win32/modal_driver.h"
#include "tests/win32/shell_fixture.h"

namespace k60::sim {
namespace {

using shell::testsupport::answerMessageBox;
using shell::testsupport::closePopupMenuOpenedBy;
using shell::testsupport::CommandRecorder;
using shell::testsupport::ModalSeen;
using shell::testsupport::pumpQueue;
using shell::testsupport::runModalSteps;
using shell::testsupport::ShellTest;

// Points inside keys, in face coordinates.
constexpr POINT kKeyLabelled1 = {40, 300};  // key 7
constexpr POINT kAlphaKey = {40, 375};      // key 17
constexpr POINT kPowerKey = {130, 375};     // key 20, picture at (126, 370)
constexpr POINT kInLcd = {90, 80};

class FaceWindowTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    ASSERT_NE(sim(), nullptr);
  }
  Simulator* sim() const { return faceSimulator(app.faceWindow); }
  std::string line(int row) const { return std::string(sim()->screen().line(row)); }

  void down(POINT p) { SendMessageW(app.faceWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y)); }
  void move(POINT p) { SendMessageW(app.faceWindow, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x, p.y)); }
  void up(POINT p) { SendMessageW(app.faceWindow, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y)); }
  // A press, a move by (dx, dy) with the button held, and the release there.
  void click(POINT p, int dx = 0, int dy = 0) {
    down(p);
    const POINT to = {p.x + dx, p.y + dy};
    move(to);
    up(to);
  }

  POINT mainTopLeft() const {
    RECT r;
    GetWindowRect(main, &r);
    return {r.left, r.top};
  }
  POINT screenPoint(POINT face) const {
    ClientToScreen(app.faceWindow, &face);
    return face;
  }

  // Form 1 with its lines' prompts and types; the simulator starts over on the changed
  // template, and the key labelled 1 runs it.
  void runForm(const std::vector<std::pair<DataType, std::string>>& lines) {
    FormRecord f = app.tmpl.form(0);
    f.setFont(0);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      f.setDataType(i, lines[i].first);
      f.setPrompt(i, lines[i].second);
      f.setMaxLength(i, 10);
    }
    sim()->reset();
    click(kKeyLabelled1);
    ASSERT_EQ(sim()->state(), SimulatorState::Form);
  }
};

TEST_F(FaceWindowTest, FaceSimulatorBelongsToTheFaceWindowOnlyAndStartsOnTheMainPage) {
  EXPECT_EQ(faceSimulator(main), nullptr);
  EXPECT_EQ(faceSimulator(nullptr), nullptr);
  EXPECT_EQ(sim()->state(), SimulatorState::MainPage);
  EXPECT_FALSE(line(0).empty()) << "the main page was shown when the window was created";
  EXPECT_EQ(sim()->screen().highlight(), 1);
}

TEST_F(FaceWindowTest, KeyOnTheMainPageWithNothingToRunShowsTheMessageThenPostsNew) {
  CommandRecorder recorder(main);
  ModalSeen seen;
  const std::size_t steps = runModalSteps({answerMessageBox(IDOK, &seen)}, [&] { down(kKeyLabelled1); });
  ASSERT_EQ(steps, 1u) << "no message box at the press";
  EXPECT_EQ(seen.text, L"请定义您的应用程序!!");
  EXPECT_EQ(seen.caption, L"没有可执行的程序");
  EXPECT_EQ(seen.owner, main);
  EXPECT_EQ(seen.icon, LoadIconW(nullptr, IDI_WARNING));
  EXPECT_NE(GetCapture(), app.faceWindow) << "the capture is released with the New command";
  EXPECT_TRUE(recorder.ids.empty()) << "New is posted, not sent";
  EXPECT_FALSE(pumpQueue());
  EXPECT_EQ(recorder.ids, std::vector<int>{IDM_NEW});

  // The release happened while the message was up and never reaches the face: the key
  // press must be over all the same, or the next drag would be ignored.
  ShowWindow(main, SW_SHOWNOACTIVATE);
  const POINT start = mainTopLeft();
  click(kInLcd, 10, 5);
  EXPECT_EQ(mainTopLeft().x, start.x + 10);
  EXPECT_EQ(mainTopLeft().y, start.y + 5);
}

TEST_F(FaceWindowTest, PressesAtTheKeyEdgesActOrDragAsTheHitTestSays) {
  runForm({{DataType::Integer, "Qty:"}});
  ShowWindow(main, SW_SHOWNOACTIVATE);
  const POINT start = mainTopLeft();

  click({31, 236}, 7, 3);  // key 1, labelled 7
  EXPECT_EQ(line(0), "Qty:7");
  EXPECT_EQ(mainTopLeft().x, start.x) << "a press on a key never drags";

  click({30, 236}, 7, 3);
  EXPECT_EQ(line(0), "Qty:7");
  EXPECT_EQ(mainTopLeft().x, start.x + 7);
  EXPECT_EQ(mainTopLeft().y, start.y + 3);

  click({61, 236}, -7, -3);
  EXPECT_EQ(line(0), "Qty:7");
  EXPECT_EQ(mainTopLeft().x, start.x);

  click({34, 347}, 2, 0);
  EXPECT_EQ(line(0), "Qty:7");
  EXPECT_EQ(mainTopLeft().x, start.x + 2);

  click({34, 348}, 5, 5);  // key 13, BS
  EXPECT_EQ(line(0), "Qty:");
  EXPECT_EQ(mainTopLeft().x, start.x + 2);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(FaceWindowTest, AlphaKeyTogglesAlphaModeInAFormOnly) {
  click(kAlphaKey);
  EXPECT_FALSE(sim()->screen().alpha());
  runForm({{DataType::Text, "Name:"}});
  click(kAlphaKey);
  EXPECT_TRUE(sim()->screen().alpha());
  click({80, 240});  // key 2: D in alpha mode
  EXPECT_EQ(sim()->pendingLetter(), 'D');
  click(kAlphaKey);
  EXPECT_FALSE(sim()->screen().alpha());
}

TEST_F(FaceWindowTest, PowerKeyOpensTheCommandMenuAtTheKeyOnlyWhenReleased) {
  ShowWindow(main, SW_SHOWNOACTIVATE);
  CommandRecorder recorder(main);
  EXPECT_FALSE(closePopupMenuOpenedBy([&] { down(kPowerKey); })) << "no menu at the press";
  RECT menu = {};
  EXPECT_TRUE(closePopupMenuOpenedBy([&] { up(kPowerKey); }, &menu));
  const POINT key = screenPoint({126, 370});
  EXPECT_EQ(menu.left, key.x);
  EXPECT_EQ(menu.top, key.y);
  EXPECT_EQ(GetCapture(), nullptr);

  EXPECT_FALSE(closePopupMenuOpenedBy([&] { up(kPowerKey); })) << "a second release ends no press";
  pumpQueue();
  EXPECT_TRUE(recorder.ids.empty());
}

TEST_F(FaceWindowTest, RightClickOpensTheCommandMenuAtTheMouseAlsoOnAKey) {
  ShowWindow(main, SW_SHOWNOACTIVATE);
  for (POINT at : {kKeyLabelled1, kInLcd, POINT{3, 395}}) {
    RECT menu = {};
    ASSERT_TRUE(closePopupMenuOpenedBy(
        [&] { SendMessageW(app.faceWindow, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y)); }, &menu));
    const POINT expected = screenPoint(at);
    EXPECT_EQ(menu.left, expected.x) << at.x << "," << at.y;
    EXPECT_EQ(menu.top, expected.y) << at.x << "," << at.y;
  }
  EXPECT_EQ(sim()->state(), SimulatorState::MainPage) << "the right button presses no key";
}

TEST_F(FaceWindowTest, DragFromTheLcdMovesTheWindowByTheMouseOffsetAtTheRelease) {
  ShowWindow(main, SW_SHOWNOACTIVATE);
  const POINT start = mainTopLeft();
  down(kInLcd);
  EXPECT_EQ(GetCapture(), app.faceWindow);
  move({kInLcd.x + 30, kInLcd.y + 20});
  EXPECT_EQ(mainTopLeft().x, start.x) << "the window stays until the release";
  // Left of and above the face: the mouse offsets are signed 16-bit values.
  move({-40, -5});
  EXPECT_EQ(mainTopLeft().y, start.y);
  up({-40, -5});
  EXPECT_EQ(mainTopLeft().x, start.x - 130);
  EXPECT_EQ(mainTopLeft().y, start.y - 85);
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_EQ(GetCapture(), nullptr);

  move({kInLcd.x + 50, kInLcd.y});
  up({kInLcd.x + 50, kInLcd.y});
  EXPECT_EQ(mainTopLeft().x, start.x - 130) << "moves and releases after the drag move nothing";
}

TEST_F(FaceWindowTest, LostCaptureEndsADragWithoutMovingTheWindow) {
  ShowWindow(main, SW_SHOWNOACTIVATE);
  const POINT start = mainTopLeft();
  down(kInLcd);
  move({kInLcd.x + 30, kInLcd.y + 20});
  SetCapture(main);
  ReleaseCapture();
  move({kInLcd.x + 40, kInLcd.y + 20});
  up({kInLcd.x + 40, kInLcd.y + 20});
  EXPECT_EQ(mainTopLeft().x, start.x);
  EXPECT_EQ(mainTopLeft().y, start.y);
}

TEST_F(FaceWindowTest, LostCaptureEndsAKeyPressSoTheNextDragWorks) {
  runForm({{DataType::Integer, "Qty:"}});
  ShowWindow(main, SW_SHOWNOACTIVATE);
  const POINT start = mainTopLeft();
  down(kKeyLabelled1);
  SetCapture(main);  // as a menu or another window would
  ReleaseCapture();
  click(kInLcd, 10, 5);
  EXPECT_EQ(mainTopLeft().x, start.x + 10);
  EXPECT_EQ(mainTopLeft().y, start.y + 5);
}

TEST_F(FaceWindowTest, ClockTimerAdvancesThePhaseAndOtherTimersDoNot) {
  const int phase = sim()->screen().clockPhase();
  SendMessageW(app.faceWindow, WM_TIMER, 1, 0);
  EXPECT_EQ(sim()->screen().clockPhase(), (phase + 1) % 10);
  SendMessageW(app.faceWindow, WM_TIMER, 2, 0);
  EXPECT_EQ(sim()->screen().clockPhase(), (phase + 1) % 10);
  EXPECT_TRUE(KillTimer(app.faceWindow, 1)) << "the window runs clock timer 1";
}

TEST(LcdText, EachCharacterTakesSixPixelsPerByte) {
  const LcdText t = lcdText(test::gb("A汉 "));
  EXPECT_EQ(t.text, L"A汉 ");
  EXPECT_EQ(t.dx, (std::vector<INT>{6, 12, 6}));
  const LcdText cut = lcdText("AB\xBA");  // a lead byte without its second byte
  EXPECT_EQ(cut.text, L"AB?");
  EXPECT_EQ(cut.dx, (std::vector<INT>{6, 6, 6}));
  EXPECT_TRUE(lcdText("").text.empty());
  // A lead byte whose pair does not decode takes one cell; the next byte keeps its own.
  const LcdText damaged = lcdText("\xFF" "A" "B");
  EXPECT_EQ(damaged.text, L"?AB");
  EXPECT_EQ(damaged.dx, (std::vector<INT>{6, 6, 6}));
}

// A 32-bit bitmap to paint on, and where the paint left text ink.
class PixelCanvas {
 public:
  PixelCanvas() {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB};
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
    const RECT all = {0, 0, kWidth, kHeight};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  ~PixelCanvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  // Text ink: at least half dark on every channel (the LCD is cyan, the bar blue).
  bool inkIn(int left, int right, int top, int bottom) const {
    GdiFlush();
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x)
        if (ink(bits_[y * kWidth + x])) return true;
    return false;
  }

 private:
  static bool ink(std::uint32_t p) {
    return (p & 0xFF) < 0x80 && ((p >> 8) & 0xFF) < 0x80 && ((p >> 16) & 0xFF) < 0x80;
  }
  static constexpr int kWidth = 180, kHeight = 400;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  std::uint32_t* bits_ = nullptr;
};

TEST_F(FaceWindowTest, PaintedLcdTextStartsInColumnZeroAndReachesColumnNineteen) {
  runForm({{DataType::Prompt, "A                  B"}, {DataType::Integer, "Q:"}});
  PixelCanvas canvas;
  SendMessageW(app.faceWindow, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
  EXPECT_TRUE(canvas.inkIn(26, 32, 52, 62)) << "A in column 0";
  EXPECT_TRUE(canvas.inkIn(140, 146, 52, 62)) << "B in column 19";
  EXPECT_FALSE(canvas.inkIn(33, 139, 52, 62)) << "nothing between them";
}

// ---- The PC keyboard and a barcode scanner ----

class FaceKeyboardTest : public FaceWindowTest {
 protected:
  void SetUp() override {
    FaceWindowTest::SetUp();
    setFaceMilliseconds(app.faceWindow, [this] { return now; });
  }
  void message(UINT msg, WPARAM wParam, LPARAM flags = 1) { SendMessageW(app.faceWindow, msg, wParam, flags); }
  // A key stroke as Windows sends it: key down, its character (if any), key up, `gapMs`
  // after the previous one.
  void stroke(WPARAM vk, wchar_t ch, std::uint32_t gapMs) {
    now += gapMs;
    message(WM_KEYDOWN, vk);
    if (ch) message(WM_CHAR, ch);
    message(WM_KEYUP, vk, 0xC0000001);
  }
  void type(const std::string& text, std::uint32_t gapMs = 100) {
    for (char c : text) stroke(LOBYTE(VkKeyScanW(c)), static_cast<wchar_t>(c), gapMs);
  }
  // Lets the held input's 30 ms pass.
  void settle() {
    now += 40;
    message(WM_TIMER, kTypingTimer, 0);
  }
  std::uint32_t now = 5000;
};

TEST_F(FaceKeyboardTest, TypingFillsAFormAndTheLineTypeRefusesALetter) {
  runForm({{DataType::Text, "Name:"}, {DataType::Integer, "Qty:"}});
  type("ab-1#");  // '#' is on no key of the keypad
  settle();
  EXPECT_EQ(line(0), "Name:AB-1");
  stroke(VK_RETURN, L'\r', 100);
  message(WM_KEYDOWN, '7', 1 | (1 << 30));  // an auto-repeat: not a second press
  type("7x");
  settle();
  EXPECT_EQ(line(1), "Qty:7");
  EXPECT_EQ(sim()->state(), SimulatorState::ErrorScreen) << "x refused by the number line";
  stroke(VK_ESCAPE, 0x1B, 100);  // any key takes the error screen away
  stroke(VK_ESCAPE, 0x1B, 100);  // Esc leaves the form
  settle();
  EXPECT_EQ(sim()->state(), SimulatorState::MainPage);
}

TEST_F(FaceKeyboardTest, AScanIsHeldUntilItEndsAndThenCompletesTheForm) {
  runForm({{DataType::Integer, "Code:"}});
  app.tmpl.form(0).setMaxLength(0, 20);
  type("6901234567892", 2);
  stroke(VK_RETURN, L'\r', 2);
  EXPECT_EQ(line(0), "Code:") << "a burst is held while it may still be a scan";
  settle();
  EXPECT_EQ(sim()->screen().recordCounter(), 1);
  EXPECT_EQ(line(0), "Code:") << "form 1 starts afresh after its record";
}

// A proportional font with narrow i and wide W and Chinese glyphs narrower than two cells:
// the LCD's own cell widths still place every character.
TEST(LcdDraw, CharactersLandInTheirCellsWhateverTheFontsWidths) {
  PixelCanvas canvas;
  HFONT font = CreateFontW(-10, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                           NONANTIALIASED_QUALITY, VARIABLE_PITCH | FF_SWISS, L"Tahoma");
  HGDIOBJ old = SelectObject(canvas.dc(), font);
  SetBkMode(canvas.dc(), TRANSPARENT);
  const FaceBitmapTable noPictures;
  drawLcd(canvas.dc(), noPictures,
          {{LcdDraw::Kind::Text, {26, 52}, 0, "iiiiiiiiiiiiiiiiiiiW", false},
           {LcdDraw::Kind::Text, {26, 62}, 0, test::gb("汉汉汉汉汉汉汉汉汉") + "W", false}});
  SelectObject(canvas.dc(), old);
  DeleteObject(font);
  EXPECT_TRUE(canvas.inkIn(140, 146, 52, 62)) << "W in column 19 after nineteen narrow i";
  EXPECT_TRUE(canvas.inkIn(134, 140, 62, 72)) << "W in column 18 after nine Chinese characters";
}

}  // namespace
}  // namespace k60::sim
