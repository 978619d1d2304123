// A small ready-made application for new users: a stock menu leading to two entry forms.
#pragma once

#include "template/store.h"

namespace k60 {

// Resets `t` to its defaults, then adds the example: the application starts with menu 1
// ("仓库管理": "1.入库" -> form 1, "2.出库" -> form 2); each form has a title line and
// the integer lines "货号:" (1 to 13 digits) and "数量:" (1 to 5 digits), repeats itself
// when completed and returns to the menu on ESC.
void buildExampleApplication(Template& t);

}  // namespace k60
