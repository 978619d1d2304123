// Code page 936 conversions through the Windows code page APIs.
#include <windows.h>

#include "template/gb_text.h"

namespace k60 {
namespace {

constexpr UINT kGb = 936;

std::u16string toWide(UINT codePage, DWORD flags, std::string_view in, bool* ok) {
  *ok = true;
  if (in.empty()) return {};
  int n = MultiByteToWideChar(codePage, flags, in.data(), static_cast<int>(in.size()), nullptr, 0);
  if (n <= 0) {
    *ok = false;
    return {};
  }
  std::u16string out(n, u'\0');
  MultiByteToWideChar(codePage, flags, in.data(), static_cast<int>(in.size()),
                      reinterpret_cast<wchar_t*>(out.data()), n);
  return out;
}

// The system's own fallback turns a byte that does not decode into "?", which could be taken
// for a real question mark; such bytes become U+FFFD instead, one character at a time.
std::u16string gbToWideReplacing(std::string_view gb) {
  bool ok;
  std::u16string out = toWide(kGb, MB_ERR_INVALID_CHARS, gb, &ok);
  if (ok) return out;
  out.clear();
  for (std::size_t i = 0; i < gb.size();) {
    const std::size_t width = isLeadByte(static_cast<std::uint8_t>(gb[i])) && i + 1 < gb.size() ? 2 : 1;
    std::u16string one = toWide(kGb, MB_ERR_INVALID_CHARS, gb.substr(i, width), &ok);
    if (!ok && width == 2) {
      out += u'\uFFFD';  // a lead byte with a wrong trail byte: the trail may start a character
      i += 1;
      continue;
    }
    out += ok ? one : u"\uFFFD";
    i += width;
  }
  return out;
}

// No replacement allowed: a character that code page 936 lacks makes the conversion fail.
std::optional<std::string> fromWide(UINT codePage, std::u16string_view in) {
  if (in.empty()) return std::string();
  auto src = reinterpret_cast<const wchar_t*>(in.data());
  BOOL usedDefault = FALSE;
  BOOL* check = codePage == CP_UTF8 ? nullptr : &usedDefault;
  int n = WideCharToMultiByte(codePage, 0, src, static_cast<int>(in.size()), nullptr, 0, nullptr,
                              check);
  if (n <= 0 || usedDefault) return std::nullopt;
  std::string out(n, '\0');
  WideCharToMultiByte(codePage, 0, src, static_cast<int>(in.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

}  // namespace

std::u16string gbToUtf16(std::string_view gb) { return gbToWideReplacing(gb); }

std::string gbToUtf8(std::string_view gb) { return fromWide(CP_UTF8, gbToUtf16(gb)).value_or(""); }

std::optional<std::string> utf16ToGb(std::u16string_view utf16) { return fromWide(kGb, utf16); }

std::optional<std::string> utf8ToGb(std::string_view utf8) {
  bool ok;
  std::u16string wide = toWide(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, &ok);
  if (!ok) return std::nullopt;
  return utf16ToGb(wide);
}

}  // namespace k60
