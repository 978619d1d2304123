// The template editor's own texts (UTF-8); its dialogs' labels are in their templates.
#pragma once

#include <string_view>

namespace k60::editor::text {

inline constexpr std::string_view kSheetCaption = "应用程序模板";

}  // namespace k60::editor::text
