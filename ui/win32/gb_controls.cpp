// Control texts as GB2312 bytes.
#include "ui/win32/gb_controls.h"

#include "template/gb_text.h"

namespace k60::ui {

namespace {
constexpr UINT kGbCodePage = 936;
}

std::string gbText(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  std::wstring wide(GetWindowTextLengthW(control) + 1, L'\0');
  wide.resize(GetWindowTextW(control, wide.data(), static_cast<int>(wide.size())));
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int n = WideCharToMultiByte(kGbCodePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string gb(n > 0 ? n : 0, '\0');
  if (n > 0) WideCharToMultiByte(kGbCodePage, 0, wide.data(), size, gb.data(), n, "?", nullptr);
  return gb;
}

void setGbText(HWND dialog, int id, std::string_view gb) {
  const std::u16string wide = gbToUtf16(gb);
  SetDlgItemTextW(dialog, id, reinterpret_cast<const wchar_t*>(wide.c_str()));
}

}  // namespace k60::ui
