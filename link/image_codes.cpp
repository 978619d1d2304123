// Prefix and suffix codes for the program image: "13 10" becomes the bytes 0x0D 0x0A.
#include "link/image_sections.h"

#include <algorithm>

#include "template/gb_text.h"

namespace k60::link {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<std::vector<std::uint8_t>> parseCodeList(std::string_view text) {
  std::vector<std::uint8_t> codes;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == ' ') {
      ++i;
      continue;
    }
    if (!isDigit(text[i])) return std::nullopt;
    unsigned value = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
      value = value * 10 + static_cast<unsigned>(text[i] - '0');
      if (value > 255) return std::nullopt;
    }
    if (value != 0) codes.push_back(static_cast<std::uint8_t>(value));
  }
  return codes;
}

void convertCodeSlot(std::span<std::uint8_t> slot) {
  const auto codes = parseCodeList(readSlot(slot));
  if (!codes) return;
  // A list of n numbers takes at least 2n - 1 of the slot's bytes, so n bytes and the 0 fit.
  std::copy(codes->begin(), codes->end(), slot.begin());
  slot[codes->size()] = 0;
}

void convertFormCodes(FormRecord form) {
  constexpr std::size_t kSlot = FormRecord::kValueSlot;
  for (std::size_t line = 0; line < FormRecord::kLines; ++line) {
    if (form.prefixOn(line)) convertCodeSlot(form.bytes().subspan(FormRecord::kPrefix + kSlot * line, kSlot));
    if (form.suffixOn(line)) convertCodeSlot(form.bytes().subspan(FormRecord::kSuffix + kSlot * line, kSlot));
  }
}

}  // namespace k60::link
