// The template editor's own texts (UTF-8); its dialogs' labels are in their templates.
#pragma once

#include <string_view>

namespace k60::editor::text {

inline constexpr std::string_view kSheetCaption = "应用程序模板";

// The lookup page's label over the length column: fixed length, separator mode as a lookup
// is shown, and as the separator radio is chosen.
inline constexpr std::string_view kLengthLabel = "   长度";
inline constexpr std::string_view kMaxLengthShown = "Max Length";
inline constexpr std::string_view kMaxLengthChosen = "最大长度";

// A separator layout longer than a member can be: the lookup's name, then its length.
inline constexpr std::string_view kLayoutTooLongBefore = "：各字段的最大长度加上间隔符共 ";
inline constexpr std::string_view kLayoutTooLongAfter =
    " 个字符，超过了成员长度的上限 250。请减小字段的最大长度或字段数。";

}  // namespace k60::editor::text
