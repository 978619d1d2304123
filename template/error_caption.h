// The caption of the system's failure messages, whichever subsystem shows them.
#pragma once

#include <string_view>

namespace k60 {

inline constexpr std::string_view kErrorCaption = "错误";

}  // namespace k60
