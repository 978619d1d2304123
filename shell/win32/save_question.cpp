// The save-changes question: a message box with Yes, No and Cancel.
#include "shell/win32/save_question.h"

#include "shell/win32/shell_texts.h"
#include "ui/win32/message_box.h"

namespace k60::shell {

SaveAnswer askToSaveChanges(HWND owner) {
  switch (ui::messageBox(owner, text::kSaveQuestion, text::kSaveQuestionCaption, MB_YESNOCANCEL | MB_ICONWARNING)) {
    case IDYES:
      return SaveAnswer::Yes;
    case IDNO:
      return SaveAnswer::No;
    default:
      return SaveAnswer::Cancel;
  }
}

}  // namespace k60::shell
