// UTF-8 ⇄ UTF-16 for the Windows edge: paths and command lines (the W APIs take UTF-16).
#pragma once

#include <string>

namespace k60 {

std::wstring utf8ToUtf16(const std::string& utf8);
std::string utf16ToUtf8(const wchar_t* text);

}  // namespace k60
