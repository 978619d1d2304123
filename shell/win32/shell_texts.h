// The Windows program's own texts (UTF-8), converted to UTF-16 where a window shows them.
#pragma once

#include <string_view>

namespace k60::shell::text {

inline constexpr std::string_view kMainWindowTitle = "应用程序产生器";

// The save-changes question.
inline constexpr std::string_view kSaveQuestion = "保存当前程序 ?";
inline constexpr std::string_view kSaveQuestionCaption = "ORVO K60 应用程序产生器";

// Help pages that cannot be shown; the path follows on a line of its own.
inline constexpr std::string_view kHelpNotFound = "找不到帮助文件:\n";
inline constexpr std::string_view kHelpCannotOpen = "不能打开帮助文件:\n";

// File dialog filters: a description and its pattern.
struct Filter {
  std::string_view description;
  std::string_view pattern;
};
inline constexpr Filter kSaveAsFilter = {"应用程序模板 (*.ATX)", "*.ATX"};
inline constexpr Filter kLookupFileFilter = {"索引文本文件 {*.TXT}", "*.TXT"};
inline constexpr Filter kCsvFileFilter = {"CSV文件 {*.CSV}", "*.CSV"};
inline constexpr Filter kCollectedDataFilter = {"文本文件 {*.TXT}", "*.TXT"};
inline constexpr Filter kAllFilesFilter = {"All files {*.*}", "*.*"};

}  // namespace k60::shell::text
