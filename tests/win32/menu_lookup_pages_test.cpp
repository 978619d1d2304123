// The menu and lookup pages through the real command and their real controls, checked on
// the template's bytes: OK, Cancel, the options other pages own, and a refused layout.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "resources/editor_ids.h"
#include "template/lookup_record.h"
#include "template/menu_record.h"
#include "tests/support/test_support.h"
#include "tests/win32/modal_driver.h"
#include "tests/win32/sheet_driver.h"
#include "tests/win32/shell_fixture.h"

namespace k60::shell::testsupport {
namespace {

constexpr int kMenuPage = 1;
constexpr int kLookupPage = 2;
constexpr int kSettingsPage = 4;

using k60::test::storeOf;

std::vector<std::uint8_t> blockOf(Template& t, Block b) {
  const auto bytes = t.block(b);
  return {bytes.begin(), bytes.end()};
}

bool enabled(HWND page, int id) { return IsWindowEnabled(GetDlgItem(page, id)) != FALSE; }
bool checked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }

// What the menu edits showed as they were made.
struct MenuSeen {
  std::wstring title, item;
  bool passEnabled = true;
};

// Menu 3: a title one character too long, save title, the separate-files option, an item
// one character too long for the large font and its target menu 2.
void editMenu(HWND sheet, MenuSeen* seen) {
  HWND page = showPage(sheet, kMenuPage);
  selectInList(page, IDC_MENU_NAME, 2);
  click(page, IDC_MENU_TITLE_ON);
  SetDlgItemTextW(page, IDC_MENU_TITLE, L"一二三四五六七八九十A");
  seen->title = itemText(page, IDC_MENU_TITLE);
  click(page, IDC_MENU_SAVE_TITLE);
  click(page, IDC_MENU_SEPARATE_FILES);
  seen->passEnabled = enabled(page, IDC_MENU_PASS);
  SetDlgItemTextW(page, IDC_MENU_ITEM_NAME, L"盘点1234567890AB");
  seen->item = itemText(page, IDC_MENU_ITEM_NAME);
  selectInList(page, IDC_MENU_ITEM_TARGET, 12);
}

class MenuLookupPagesTest : public ShellTest {};

TEST_F(MenuLookupPagesTest, MenuEditsReachTheTemplateOnOkAndCancelLeavesMenusAndByteEleven) {
  const auto before = storeOf(app.tmpl);
  MenuSeen seen;
  runEdit(main, {answerPropertySheet(IDCANCEL, [&](HWND sheet) { editMenu(sheet, &seen); })});
  EXPECT_EQ(storeOf(app.tmpl), before);

  runEdit(main, {answerPropertySheet(IDOK, [&](HWND sheet) { editMenu(sheet, &seen); })});
  EXPECT_EQ(seen.title, L"一二三四五六七八九十") << "cut at 20 bytes";
  EXPECT_EQ(seen.item, L"盘点1234567890A") << "cut at the large font's 15";
  EXPECT_FALSE(seen.passEnabled) << "the separate-files option drives pass";
  const MenuRecord m = app.tmpl.menu(2);
  EXPECT_TRUE(m.titleOn());
  EXPECT_EQ(m.title(), test::gb("一二三四五六七八九十"));
  EXPECT_EQ(m.itemName(0), test::gb("盘点1234567890A"));
  EXPECT_EQ(m.itemTarget(0), 12);
  EXPECT_TRUE(m.saveTitle());
  EXPECT_TRUE(m.pass());
  EXPECT_TRUE(app.tmpl.extension().separateFiles());
  EXPECT_EQ(app.tmpl.menu(0).title(), "") << "menu 1 untouched";
}

// Lookup 2: separator 44 with three fields of 5, 10 and 2 characters.
void editLookup(HWND sheet) {
  HWND page = showPage(sheet, kLookupPage);
  selectInList(page, IDC_LOOKUP_NAME, 1);
  selectInList(page, IDC_LOOKUP_FIELD_COUNT, 3);
  click(page, IDC_LOOKUP_SEPARATED);
  SetDlgItemTextW(page, IDC_LOOKUP_SEPARATOR, L"44");
  SetDlgItemTextW(page, IDC_LOOKUP_LENGTH, L"5");
  SetDlgItemTextW(page, IDC_LOOKUP_LENGTH + 1, L"10");
  SetDlgItemTextW(page, IDC_LOOKUP_LENGTH + 2, L"2");
}

TEST_F(MenuLookupPagesTest, LookupOkLaysOutTheSeparatorLookupAndKeepsExtensionBytesOneAndEleven) {
  ASSERT_TRUE(app.tmpl.extension().wedgeCrLf());
  ModalStep sheetStep = [&] {
    HWND sheet = findDialogTitled(L"应用程序模板");
    if (!sheet) return false;
    editLookup(sheet);  // the lookup page's copy is taken before the options below change
    click(showPage(sheet, kMenuPage), IDC_MENU_SEPARATE_FILES);
    pressButton(showPage(sheet, kSettingsPage), IDC_KEYBOARD_WEDGE);
    return true;
  };
  ModalStep wedge = [&] {
    HWND dialog = findDialogTitled(L"键盘接口设置");
    if (!dialog) return false;
    click(dialog, IDC_WEDGE_CRLF);
    pressButton(dialog, IDOK);
    return true;
  };
  runEdit(main, {sheetStep, wedge, answerPropertySheet(IDOK)});

  const LookupRecord l = app.tmpl.lookup(1);
  EXPECT_EQ(l.fieldCount(), 3);
  EXPECT_EQ(l.fieldOffset(0), 1);
  EXPECT_EQ(l.fieldOffset(1), 7);
  EXPECT_EQ(l.fieldOffset(2), 18);
  EXPECT_EQ(l.memberLength(), 19);
  EXPECT_EQ(app.tmpl.extension().separator(1), 44);
  EXPECT_FALSE(app.tmpl.extension().wedgeCrLf()) << "the wedge dialog's change survives";
  EXPECT_TRUE(app.tmpl.extension().separateFiles()) << "the menu page's option survives";
}

TEST_F(MenuLookupPagesTest, AFixedLengthLookupShownAfterASeparatorLookupShowsItsOwnLabelAndRows) {
  app.tmpl.extension().setSeparator(0, 44);
  app.tmpl.lookup(0).setFieldCount(2);
  app.tmpl.lookup(1).setFieldCount(2);
  // The label, then whether the separator radio, the member length and offset 2 are on.
  std::vector<std::wstring> shown;
  runEdit(main, {answerPropertySheet(IDCANCEL, [&](HWND sheet) {
    HWND page = showPage(sheet, kLookupPage);
    for (int lookup : {0, 1}) {
      selectInList(page, IDC_LOOKUP_NAME, lookup);
      shown.push_back(itemText(page, IDC_LOOKUP_LENGTH_LABEL));
      for (int id : {IDC_LOOKUP_SEPARATED, IDC_LOOKUP_MEMBER_LENGTH, IDC_LOOKUP_OFFSET + 1})
        shown.push_back(id == IDC_LOOKUP_SEPARATED ? (checked(page, id) ? L"on" : L"off")
                                                   : (enabled(page, id) ? L"on" : L"off"));
    }
  })});
  EXPECT_EQ(shown, (std::vector<std::wstring>{L"Max Length", L"on", L"off", L"off", L"   长度", L"off", L"on", L"on"}));
}

TEST_F(MenuLookupPagesTest, ASeparatorLayoutTooLongIsRefusedAndTheSheetStaysOnTheLookupPage) {
  const auto lookups = blockOf(app.tmpl, Block::Lookups);
  const auto extension = blockOf(app.tmpl, Block::Extension);
  ModalSeen message;
  int pageAfter = -1;
  std::wstring lookupShown;
  runEdit(main, {answerPropertySheet(IDOK,
                                     [&](HWND sheet) {
                                       HWND page = showPage(sheet, kLookupPage);
                                       selectInList(page, IDC_LOOKUP_NAME, 2);
                                       selectInList(page, IDC_LOOKUP_FIELD_COUNT, 3);
                                       click(page, IDC_LOOKUP_SEPARATED);
                                       SetDlgItemTextW(page, IDC_LOOKUP_SEPARATOR, L"44");
                                       for (int k = 0; k < 3; ++k) SetDlgItemTextW(page, IDC_LOOKUP_LENGTH + k, L"100");
                                       selectInList(page, IDC_LOOKUP_NAME, 0);
                                       showPage(sheet, kSettingsPage);
                                     }),
                 answerMessageBox(IDOK, &message),
                 answerPropertySheet(IDCANCEL, [&](HWND sheet) {
                   HWND page = PropSheet_GetCurrentPageHwnd(sheet);
                   pageAfter = PropSheet_HwndToIndex(sheet, page);
                   lookupShown = itemText(page, IDC_LOOKUP_NAME);
                 })});
  EXPECT_EQ(message.caption, L"错误");
  EXPECT_NE(message.text.find(L"第三个索引文件"), std::wstring::npos) << "names the lookup";
  EXPECT_NE(message.text.find(L"302"), std::wstring::npos) << "and its length";
  EXPECT_EQ(pageAfter, kLookupPage);
  EXPECT_EQ(lookupShown, L"第三个索引文件");
  EXPECT_EQ(blockOf(app.tmpl, Block::Lookups), lookups);
  EXPECT_EQ(blockOf(app.tmpl, Block::Extension), extension);
}

}  // namespace
}  // namespace k60::shell::testsupport
