// The save-changes question asked before a command discards a changed template.
#pragma once

#include <windows.h>

namespace k60::shell {

enum class SaveAnswer { Yes, No, Cancel };

// Yes, No and Cancel with the warning icon; closing the box counts as Cancel.
SaveAnswer askToSaveChanges(HWND owner);

}  // namespace k60::shell
