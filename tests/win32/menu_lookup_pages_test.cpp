// The menu and lookup pages through the real command and their real controls, checked on
// the template's bytes: OK, Cancel, the options other pages own, and a refused layout.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/editor_ids.h"
#include "template/lookup_record.h"
#include "template/menu_record.h"
#include "tests/support/test_support.h"
#include "tests/win32/sheet_driver.h"
#include "tests/win32/shell_fixture.h"

namespace k60::shell::testsupport {
namespace {

constexpr int kMenuPage = 1;
constexpr int kLookupPage = 2;
constexpr int kSettingsPage = 4;
constexpr const wchar_t* kSheetTitle = L"应用程序模板";
constexpr const wchar_t* kWedgeTitle = L"键盘接口设置";

using k60::test::storeOf;

bool enabled(HWND page, int id) { return IsWindowEnabled(GetDlgItem(page, id)) != FALSE; }
bool checked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }

// Lookup `lookup` in separator mode with `separator` and the field lengths given.
void typeSeparatorLayout(HWND page, int lookup, const wchar_t* separator, const std::vector<const wchar_t*>& lengths) {
  selectInList(page, IDC_LOOKUP_NAME, lookup);
  selectInList(page, IDC_LOOKUP_FIELD_COUNT, static_cast<int>(lengths.size()));
  click(page, IDC_LOOKUP_SEPARATED);
  SetDlgItemTextW(page, IDC_LOOKUP_SEPARATOR, separator);
  for (std::size_t k = 0; k < lengths.size(); ++k) SetDlgItemTextW(page, IDC_LOOKUP_LENGTH + int(k), lengths[k]);
}

// Lookup 2: separator 44 with fields of 5, 10 and 2 characters, key field 3,
// not uploadable, no-match action 3; lookup 3, shown next, keeps its own mode. Then menu 3:
// a title one character too long, save title, the separate-files option, and item 1 one
// character too long for the large font, going to menu 2.
void editLookupAndMenu(HWND sheet) {
  HWND page = showPage(sheet, kLookupPage);
  typeSeparatorLayout(page, 1, L"44", {L"5", L"10", L"2"});
  click(page, IDC_LOOKUP_KEY + 2);
  click(page, IDC_LOOKUP_UPLOADABLE);
  selectInList(page, IDC_LOOKUP_NO_MATCH, 3);
  selectInList(page, IDC_LOOKUP_NAME, 2);
  EXPECT_EQ(itemText(page, IDC_LOOKUP_LENGTH_LABEL), L"   长度");
  EXPECT_FALSE(checked(page, IDC_LOOKUP_SEPARATED));
  EXPECT_TRUE(enabled(page, IDC_LOOKUP_MEMBER_LENGTH));

  page = showPage(sheet, kMenuPage);
  selectInList(page, IDC_MENU_NAME, 2);
  click(page, IDC_MENU_TITLE_ON);
  SetDlgItemTextW(page, IDC_MENU_TITLE, L"一二三四五六七八九十A");
  click(page, IDC_MENU_SAVE_TITLE);
  click(page, IDC_MENU_SEPARATE_FILES);
  EXPECT_FALSE(enabled(page, IDC_MENU_PASS)) << "the separate-files option drives pass";
  SetDlgItemTextW(page, IDC_MENU_ITEM_NAME, L"盘点1234567890AB");
  selectInList(page, IDC_MENU_ITEM_TARGET, 12);
  pressButton(showPage(sheet, kSettingsPage), IDC_KEYBOARD_WEDGE);
}

class MenuLookupPagesTest : public ShellTest {};

// The lookup page's copy is taken before the menu page and the wedge dialog change extension
// bytes 11 and 1: its OK keeps both.
TEST_F(MenuLookupPagesTest, EditsReachTheTemplateOnOkOnlyAndTheLookupPageKeepsExtensionBytesOneAndEleven) {
  const auto before = storeOf(app.tmpl);
  runEdit(main, {onDialog(kSheetTitle, editLookupAndMenu, 0), onDialog(kWedgeTitle, {}, IDCANCEL),
                 answerPropertySheet(IDCANCEL)});
  EXPECT_EQ(storeOf(app.tmpl), before);

  ASSERT_TRUE(app.tmpl.extension().wedgeCrLf());
  runEdit(main, {onDialog(kSheetTitle, editLookupAndMenu, 0),
                 onDialog(kWedgeTitle, [](HWND dialog) { click(dialog, IDC_WEDGE_CRLF); }), answerPropertySheet(IDOK)});
  const MenuRecord m = app.tmpl.menu(2);
  EXPECT_TRUE(m.titleOn());
  EXPECT_EQ(m.title(), test::gb("一二三四五六七八九十")) << "cut at 20 bytes";
  EXPECT_EQ(m.itemName(0), test::gb("盘点1234567890A")) << "cut at the large font's 15";
  EXPECT_EQ(m.itemTarget(0), 12);
  EXPECT_TRUE(m.pass()) << "saved title with the separate-files option";
  EXPECT_EQ(app.tmpl.lookup(1).memberLength(), 19);
  EXPECT_EQ(app.tmpl.lookup(1).keyField(), 2);
  const ExtensionBlock e = app.tmpl.extension();
  EXPECT_EQ(e.separator(1), 44);
  EXPECT_FALSE(e.uploadable(1));
  EXPECT_EQ(e.noMatchAction(1), 3);
  EXPECT_FALSE(e.wedgeCrLf()) << "the wedge dialog's change survives";
  EXPECT_TRUE(e.separateFiles()) << "the menu page's option survives";
}

// Three fields of 100 on lookup 3 need 302 characters: OK refuses them and the sheet stays
// open on the lookup page, showing lookup 3.
TEST_F(MenuLookupPagesTest, ALayoutTooLongIsRefusedAndTheSheetStaysOnTheLookupPage) {
  const auto before = storeOf(app.tmpl);
  ModalSeen message;
  runEdit(main, {answerPropertySheet(IDOK,
                                     [](HWND sheet) {
                                       HWND page = showPage(sheet, kLookupPage);
                                       typeSeparatorLayout(page, 2, L"44", {L"100", L"100", L"100"});
                                       selectInList(page, IDC_LOOKUP_NAME, 0);
                                       showPage(sheet, kSettingsPage);
                                     }),
                 answerMessageBox(IDOK, &message), answerPropertySheet(IDCANCEL, [](HWND sheet) {
                   HWND page = PropSheet_GetCurrentPageHwnd(sheet);
                   EXPECT_EQ(PropSheet_HwndToIndex(sheet, page), kLookupPage);
                   EXPECT_EQ(itemText(page, IDC_LOOKUP_NAME), L"第三个索引文件");
                 })});
  EXPECT_EQ(message.caption, L"错误");
  EXPECT_NE(message.text.find(L"302"), std::wstring::npos) << "names the length";
  EXPECT_EQ(storeOf(app.tmpl), before);
}

}  // namespace
}  // namespace k60::shell::testsupport
