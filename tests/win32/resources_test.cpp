// The resources' own texts, byte for byte as the program shows them.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "resources/resource_ids.h"

namespace {

HINSTANCE module() { return GetModuleHandleW(nullptr); }

std::wstring loadString(UINT id) {
  const wchar_t* text = nullptr;
  // Length 0 asks for a pointer into the resource itself: no buffer can cut it short.
  const int n = LoadStringW(module(), id, reinterpret_cast<LPWSTR>(&text), 0);
  return n > 0 ? std::wstring(text, n) : std::wstring();
}

TEST(Resources, FileDialogFilterStrings) {
  EXPECT_EQ(loadString(IDS_FILTER_ATX_NAME), L"应用程序模板文件 (*.ATX)");
  EXPECT_EQ(loadString(IDS_FILTER_ATX_PATTERN), L"*.ATX");
  EXPECT_EQ(loadString(IDS_FILTER_ALL_NAME), L"所有文件 (*.*)");
  EXPECT_EQ(loadString(IDS_FILTER_ALL_PATTERN), L"*.*");
}

// "text=id|" per item, "----|" per separator, "text{...}|" per submenu.
std::wstring describe(HMENU menu) {
  std::wstring out;
  for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
    wchar_t text[64] = {};
    MENUITEMINFOW info = {sizeof info};
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = 64;
    GetMenuItemInfoW(menu, i, TRUE, &info);
    if (info.fType & MFT_SEPARATOR)
      out += L"----";
    else if (info.hSubMenu)
      out += text + (L"{" + describe(info.hSubMenu) + L"}");
    else
      out += text + (L"=" + std::to_wstring(info.wID));
    out += L"|";
  }
  return out;
}

TEST(Resources, CommandMenuIsTheFirstPopupOfPopMenuK60) {
  HMENU bar = LoadMenuW(module(), L"PopMenuK60");
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(describe(GetSubMenu(bar, 0)),
            L"新建\tCtrl+N=1010|打开...\tCtrl+O=1020|保存\tCtrl+S=1030|另存为...=1040|----|"
            L"编辑\tCtrl+E=2000|&COM口设置...=2100|----|"
            L"下载程序{通过&RS-232或IrDA...=3020|通过&IR收发器...=3021|}|"
            L"下载索引文件{通过&RS-232或IrDA...=3040|通过&IR收发器...=3041|}|"
            L"收集数据{通过&RS-232或IrDA...=3030|通过&IR收发器...=3031|}|----|"
            L"关于...=9030|退出\tAlt+F4=1090|");
  DestroyMenu(bar);
}

}  // namespace
