// k60tool's link environment: the link user interface on the console, and the system's port.
#pragma once

#include <chrono>
#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
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

// Messages go to `err` in the system's words with an English gloss, naming the file or the
// port they are about and, for a port that cannot be opened, the system's reason. Progress
// bar and record counter are drawn on `err` when it shows progress; questions are asked on
// `in`, or answered No.
class ConsoleLinkUi : public link::LinkUi {
 public:
  ConsoleLinkUi(std::ostream& err, std::istream& in, ConsoleAbilities abilities)
      : err_(err), in_(in), abilities_(abilities), start_(std::chrono::steady_clock::now()) {}

  // What the messages name: the file of the command, the port and the port object.
  void nameFile(std::string file) { file_ = std::move(file); }
  void namePort(std::string name, const link::SerialPort* port) {
    portName_ = std::move(name);
    port_ = port;
  }
  // What "下载完毕!" reports besides the time taken, e.g. "program image of 10500 bytes";
  // asked for when the message is shown.
  void describeDone(std::function<std::string()> what) { done_ = std::move(what); }
  // Reports a completed transfer: its words, what was done and how long it took.
  void reportDone(std::string_view caption, std::string_view words, std::string_view gloss);

  void showMessage(std::string_view text, std::string_view caption, link::MessageIcon icon) override;
  bool askYesNo(std::string_view text, std::string_view caption, link::MessageIcon icon) override;
  void progressOpen() override;
  void progressSet(int position) override;
  void progressClose() override;
  void counterOpen() override;
  void counterShow(int records) override;
  void counterClose() override;
  // True once Ctrl+C or SIGTERM arrived while a transfer runs (see StopSignals).
  bool cancelRequested() override;

 private:
  void endLine();
  void print(std::string_view text, std::string_view caption, bool question);

  std::ostream& err_;
  std::istream& in_;
  ConsoleAbilities abilities_;
  std::chrono::steady_clock::time_point start_;
  std::string file_, portName_;
  std::function<std::string()> done_;
  const link::SerialPort* port_ = nullptr;
  bool midLine_ = false;  // a bar or counter is drawn on the current line
};

// For as long as it lives, Ctrl+C (SIGINT) and SIGTERM do not end the process but are
// counted: a transfer stops at its next wait, so that the port is purged and closed and no
// partial file is left; a watch stops polling, and drops its collection at the second.
class StopSignals {
 public:
  StopSignals();
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  // The signals received since the newest StopSignals was made.
  static int received();

 private:
  void (*previousInt_)(int);
  void (*previousTerm_)(int);
};

// The English gloss of one of the link's texts, a line number filled in; empty for a text
// it does not know.
std::string englishGloss(std::string_view systemText);

// The system's serial port; nothing, said on `err`, in a build that has none.
std::unique_ptr<link::SerialPort> systemPortOrSay(std::ostream& err);

// What the process's console can do; nothing when `err` is not its standard error (the
// commands run in-process in tests).
ConsoleAbilities consoleAbilities(const std::ostream& err);

}  // namespace k60::tool
