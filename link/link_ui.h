// The link's user-interface seam: message boxes, the retry question, the progress window
// and the counter box. The Windows program shows them; k60tool and the tests record them.
#pragma once

#include <string_view>

namespace k60::link {

enum class MessageIcon { None, Exclamation, Question };

class LinkUi {
 public:
  virtual ~LinkUi() = default;
  // A message box with an OK button. Texts are UTF-8.
  virtual void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) = 0;
  // A Yes/No question; true for Yes.
  virtual bool askYesNo(std::string_view text, std::string_view caption, MessageIcon icon) = 0;

  // The progress window of one download attempt: open, positions 0..100 (more shows full), close.
  virtual void progressOpen() = 0;
  virtual void progressSet(int position) = 0;
  virtual void progressClose() = 0;

  // The counter box of a collection: open, show the number of records received, close.
  virtual void counterOpen() = 0;
  virtual void counterShow(int records) = 0;
  virtual void counterClose() = 0;

  // Asked at every wait of a transfer: true when the person wants it stopped (Esc in the
  // Windows program, Ctrl+C in k60tool).
  virtual bool cancelRequested() { return false; }
};

}  // namespace k60::link
