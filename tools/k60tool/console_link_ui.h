// k60tool's link environment: the link user interface on the console, and the system's port.
#pragma once

#include <istream>
#include <memory>
#include <ostream>
#include <string_view>

#include "link/link_ui.h"
#include "link/serial_port.h"

namespace k60::tool {

// How the console is connected: a terminal on standard error shows progress, one on
// standard input answers questions.
struct ConsoleAbilities {
  bool showProgress = false;
  bool askQuestions = false;
};

// Messages go to `err` in the system's words with an English gloss. Progress bar and record
// counter are drawn on `err` when it shows progress; questions are asked on `in`, or
// answered No.
class ConsoleLinkUi : public link::LinkUi {
 public:
  ConsoleLinkUi(std::ostream& err, std::istream& in, ConsoleAbilities abilities)
      : err_(err), in_(in), abilities_(abilities) {}

  void showMessage(std::string_view text, std::string_view caption, link::MessageIcon icon) override;
  bool askYesNo(std::string_view text, std::string_view caption, link::MessageIcon icon) override;
  void progressOpen() override;
  void progressSet(int position) override;
  void progressClose() override;
  void counterOpen() override;
  void counterShow(int records) override;
  void counterClose() override;

 private:
  void endLine();

  std::ostream& err_;
  std::istream& in_;
  ConsoleAbilities abilities_;
  bool midLine_ = false;  // a bar or counter is drawn on the current line
};

// The English gloss of one of the link's texts; empty for a text it does not know.
std::string_view englishGloss(std::string_view systemText);

// What the process's console can do; nothing when `err` is not its standard error (the
// commands run in-process in tests).
ConsoleAbilities consoleAbilities(const std::ostream& err);

}  // namespace k60::tool
