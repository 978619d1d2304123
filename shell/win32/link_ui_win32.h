// The link's user interface in the Windows program: message boxes, the retry question, the
// progress window and the counter box.
#pragma once

#include <windows.h>

#include "link/link_ui.h"
#include "shell/win32/app_state.h"
#include "shell/win32/counter_box.h"
#include "shell/win32/progress_window.h"

namespace k60::shell {

class WindowsLinkUi : public link::LinkUi {
 public:
  explicit WindowsLinkUi(AppState& app) : app_(app), counter_(app.counterText) {}

  void showMessage(std::string_view text, std::string_view caption, link::MessageIcon icon) override;
  bool askYesNo(std::string_view text, std::string_view caption, link::MessageIcon icon) override;
  void progressOpen() override { progress_.open(app_.instance); }
  void progressSet(int position) override { progress_.set(position); }
  void progressClose() override { progress_.close(); }
  void counterOpen() override { counter_.open(app_.instance); }
  void counterShow(int records) override { counter_.show(records); }
  void counterClose() override { counter_.close(); }
  // Esc waiting in this thread's queue stops the transfer. The keys taken from the queue on
  // the way are dropped, as all input during a transfer is.
  bool cancelRequested() override;

 private:
  // The box's owner: the main window, which stays disabled while the box is up, so that no
  // second command starts over the open port. A lookup file that cannot be opened is
  // reported without an owner, before any port is opened.
  HWND ownerFor(std::string_view text) const;

  AppState& app_;
  ProgressWindow progress_;
  CounterBox counter_;
};

// Drops the clicks and keys that wait in this thread's queue. A transfer dispatches no
// messages, so input made during it waits there, and the next message box's loop would
// hand it out: a right-click on the terminal picture could then start a second command
// over the open port, or Exit destroy the window under the transfer. Called before every
// message box of a transfer and when a transfer command ends.
void discardQueuedInput();

// MB_ICON... of the link's icon choice.
UINT messageBoxIcon(link::MessageIcon icon);

}  // namespace k60::shell
