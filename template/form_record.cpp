// The form record rules: post-edit normalisation, continuation fix-up, input line count.
#include "template/form_record.h"

#include <algorithm>
#include <cstring>

namespace k60 {
namespace {

// A stored type byte is compared as a byte: a damaged file may hold any value.
constexpr bool is(std::uint8_t type, DataType t) { return type == static_cast<std::uint8_t>(t); }

bool isInputType(std::uint8_t type) {
  return is(type, DataType::Text) || is(type, DataType::Integer) || is(type, DataType::Real) ||
         is(type, DataType::Character);
}

bool countsAsInput(std::uint8_t type, InputRule rule) {
  if (isInputType(type)) return true;
  return rule == InputRule::Download && (is(type, DataType::Boolean) || is(type, DataType::Counter));
}

bool isUnused(std::uint8_t type) { return is(type, DataType::Empty) || is(type, DataType::Continuation); }

bool hasNoBinding(std::uint8_t type) {
  return is(type, DataType::FixedData) || is(type, DataType::Prompt) || is(type, DataType::Counter);
}

void clearUnusedLines(FormRecord form, bool alsoFixedLines) {
  for (std::size_t line = 0; line < FormRecord::kLines; ++line) {
    const std::uint8_t type = form.dataTypeByte(line);
    if (isUnused(type)) {
      form.promptSlot(line)[0] = 0;
      form.setLookupBinding(line, 0);
    } else if (alsoFixedLines && hasNoBinding(type)) {
      form.setLookupBinding(line, 0);
    }
  }
}

}  // namespace

void normaliseForm(FormRecord form) {
  if (form.largeFont())
    for (std::size_t line = 4; line < FormRecord::kLines; ++line) form.setDataType(line, DataType::Empty);
  for (std::size_t line = 0; line < FormRecord::kLines; ++line) {
    if (form.maxLength(line) > FormRecord::kMaxLength) form.setMaxLength(line, FormRecord::kMaxLength);
    if (form.minLength(line) > form.maxLength(line)) form.setMinLength(line, form.maxLength(line));
  }
  clearUnusedLines(form, true);
}

void fixContinuations(FormRecord form) {
  for (std::size_t base = 0; base < 4; ++base) {
    if (!isInputType(form.dataTypeByte(base)) || !is(form.dataTypeByte(base + 1), DataType::Continuation))
      continue;
    const auto prompt = form.promptSlot(base);
    const std::size_t promptLength = strnlen(reinterpret_cast<const char*>(prompt.data()), kSmallFontColumns);
    auto v = static_cast<std::uint8_t>(form.maxLength(base) + promptLength - kLargeFontColumns);
    form.setMaxLength(base + 1, v);
    for (std::size_t next = base + 2; next <= base + 3; ++next) {
      if (!is(form.dataTypeByte(next), DataType::Continuation)) break;
      v = static_cast<std::uint8_t>(v - kLargeFontColumns);
      form.setMaxLength(next, v);
    }
  }
  for (std::size_t line = 0; line < 4; ++line) {
    if (!is(form.dataTypeByte(line), DataType::Continuation)) continue;
    form.setLookupBinding(line, 0);
    form.setInitialOn(line, false);
    form.setPrefixOn(line, false);
    form.setSuffixOn(line, false);
  }
}

std::uint8_t countInputLines(const FormRecord& form, InputRule rule) {
  std::uint8_t count = 0;
  for (std::size_t line = 0; line < FormRecord::kLines; ++line)
    if (countsAsInput(form.dataTypeByte(line), rule)) count = static_cast<std::uint8_t>(line + 1);
  return count;
}

void prepareForm(FormRecord form, InputRule rule) {
  clearUnusedLines(form, rule == InputRule::Download);
  form.setInputLineCount(countInputLines(form, rule));
}

}  // namespace k60
