// The COM settings dialog through its real lists and buttons.
#include <windows.h>

#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "tests/win32/modal_driver.h"
#include "tests/win32/shell_fixture.h"

namespace k60::shell::testsupport {
namespace {

struct ListSeen {
  std::vector<std::wstring> items;
  int selected = -2;
};

ListSeen readList(HWND dialog, int id) {
  ListSeen seen;
  HWND list = GetDlgItem(dialog, id);
  for (int i = 0, n = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0)); i < n; ++i) {
    std::wstring item(SendMessageW(list, CB_GETLBTEXTLEN, i, 0) + 1, L'\0');
    item.resize(SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data())));
    seen.items.push_back(item);
  }
  seen.selected = static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0));
  return seen;
}

class ComSettingsTest : public ShellTest {
 protected:
  // Opens the dialog by its command, records it, picks `port` and `rate` (-1: leave) and
  // presses `button`.
  void runDialog(int port, int rate, int button) {
    ModalStep step = [&] {
      HWND dialog = findThreadWindow(L"#32770");
      if (!dialog) return false;
      caption = windowText(dialog);
      owner = GetWindow(dialog, GW_OWNER);
      ports = readList(dialog, IDC_COM_PORT);
      rates = readList(dialog, IDC_COM_BAUD_RATE);
      if (port >= 0) SendDlgItemMessageW(dialog, IDC_COM_PORT, CB_SETCURSEL, port, 0);
      if (rate >= 0) SendDlgItemMessageW(dialog, IDC_COM_BAUD_RATE, CB_SETCURSEL, rate, 0);
      pressButton(dialog, button);
      return true;
    };
    EXPECT_EQ(runModalSteps({step}, [&] { SendMessageW(main, WM_COMMAND, IDM_COM_SETTINGS, 0); }), 1u);
  }

  std::wstring caption;
  HWND owner = nullptr;
  ListSeen ports, rates;
};

TEST_F(ComSettingsTest, OpensOnTheStoredIndexesAndOkStoresTheNewOnesWithoutAskingToSave) {
  app.tmpl.setComPort(2);
  app.tmpl.setComRate(3);
  app.tmpl.setChanged(false);
  runDialog(5, 4, IDOK);
  EXPECT_EQ(caption, L"COM口设置");
  EXPECT_EQ(owner, main);
  EXPECT_EQ(ports.items, (std::vector<std::wstring>{L"COM1", L"COM2", L"COM3", L"COM4", L"COM5", L"COM6"}));
  EXPECT_EQ(rates.items, (std::vector<std::wstring>{L"115200", L"57600", L"38400", L"19200", L"9600"}));
  EXPECT_EQ(ports.selected, 2);
  EXPECT_EQ(rates.selected, 3);
  EXPECT_EQ(app.tmpl.comPort(), 5);
  EXPECT_EQ(app.tmpl.comRate(), 4);
  EXPECT_FALSE(app.tmpl.changed());
}

TEST_F(ComSettingsTest, OkWithUntouchedListsWritesTheSameValuesBack) {
  app.tmpl.setComPort(1);
  app.tmpl.setComRate(2);
  runDialog(-1, -1, IDOK);
  EXPECT_EQ(app.tmpl.comPort(), 1);
  EXPECT_EQ(app.tmpl.comRate(), 2);
}

TEST_F(ComSettingsTest, CancelChangesNothing) {
  app.tmpl.setComPort(1);
  app.tmpl.setComRate(2);
  app.tmpl.setChanged(true);
  runDialog(4, 0, IDCANCEL);
  EXPECT_EQ(app.tmpl.comPort(), 1);
  EXPECT_EQ(app.tmpl.comRate(), 2);
  EXPECT_TRUE(app.tmpl.changed());
}

TEST_F(ComSettingsTest, ADamagedIndexSelectsNothingAndOkKeepsIt) {
  app.tmpl.setComPort(9);
  app.tmpl.setComRate(7);
  runDialog(-1, 1, IDOK);
  EXPECT_EQ(ports.selected, CB_ERR);
  EXPECT_EQ(rates.selected, CB_ERR);
  EXPECT_EQ(app.tmpl.comPort(), 9);
  EXPECT_EQ(app.tmpl.comRate(), 1);
}

}  // namespace
}  // namespace k60::shell::testsupport
