// The save-changes question: a message box with Yes, No and Cancel.
#include "shell/win32/save_question.h"

namespace k60::shell {

SaveAnswer askToSaveChanges(HWND owner) {
  switch (MessageBoxW(owner, kSaveQuestionText, kSaveQuestionCaption, MB_YESNOCANCEL | MB_ICONWARNING)) {
    case IDYES:
      return SaveAnswer::Yes;
    case IDNO:
      return SaveAnswer::No;
    default:
      return SaveAnswer::Cancel;
  }
}

}  // namespace k60::shell
