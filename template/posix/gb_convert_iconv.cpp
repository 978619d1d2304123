// Code page 936 conversions through iconv, for the POSIX builds.
#include <iconv.h>

#include <cerrno>
#include <string>

#include "template/gb_text.h"

namespace k60 {
namespace {

// Converts `in` from one encoding to another. With `replacement` set, an input sequence
// that cannot be converted is skipped and the replacement appended instead; without it,
// the conversion fails.
std::optional<std::string> convert(const char* to, const char* from, std::string_view in,
                                   std::string_view replacement) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  char buffer[256];
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  bool ok = true;
  while (srcLeft > 0) {
    char* dst = buffer;
    size_t dstLeft = sizeof buffer;
    size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.append(buffer, dst - buffer);
    if (r != static_cast<size_t>(-1) || errno == E2BIG) continue;
    if (replacement.empty()) {
      ok = false;
      break;
    }
    out.append(replacement);
    // A double-byte character whose trail byte is wrong is dropped as one byte: the
    // next byte may begin a valid character of its own.
    ++src;
    --srcLeft;
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  return out;
}

}  // namespace

std::string gbToUtf8(std::string_view gb) {
  return convert("UTF-8", "CP936", gb, "\xEF\xBF\xBD").value_or(std::string());
}

std::optional<std::string> utf8ToGb(std::string_view utf8) {
  return convert("CP936", "UTF-8", utf8, {});
}

std::u16string gbToUtf16(std::string_view gb) {
  const std::string bytes =
      convert("UTF-16LE", "CP936", gb, std::string_view("\xFD\xFF", 2)).value_or(std::string());
  std::u16string out(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < out.size(); ++i)
    out[i] = static_cast<char16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                   static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8);
  return out;
}

std::optional<std::string> utf16ToGb(std::u16string_view utf16) {
  std::string bytes;
  bytes.reserve(utf16.size() * 2);
  for (char16_t c : utf16) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  return convert("CP936", "UTF-16LE", bytes, {});
}

}  // namespace k60
