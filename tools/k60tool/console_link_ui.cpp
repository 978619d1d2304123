// The link user interface of k60tool: messages with glosses, a text progress bar, y/N.
#include "tools/k60tool/console_link_ui.h"

#include <csignal>
#include <cstdio>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

#include "link/link_messages.h"
#include "link/system_serial_port.h"
#include "tools/k60tool/console.h"
#include "tools/k60tool/tool_messages.h"

namespace k60::tool {
namespace {

namespace t = link::text;

// What a message is about: nothing more, the command's file, or its port.
enum class About { Nothing, File, Port, PortOpen };

struct Gloss {
  std::string_view text;  // a link text, or a printf format with one %d
  std::string_view gloss;  // with %d where the text has it
  About about = About::Nothing;
};

constexpr Gloss kGlosses[] = {
    {t::kErrorCaption, "error"},
    {t::kDownloadCaption, "download"},
    {t::kUploadCaption, "collect data"},
    {t::kDownloadPortOpenFailed, "cannot open the port", About::PortOpen},
    {t::kDownloadIrSetupFailed, "the IR transceiver could not be set up", About::Port},
    {t::kDownloadLineSettingsFailed, "the line settings could not be applied", About::Port},
    {t::kCollectPortOpenFailed, "cannot open the port", About::PortOpen},
    {t::kCollectIrSetupFailed, "the IR transceiver could not be set up", About::Port},
    {t::kInvalidBaudRate, "the bit rate is not one of the five; give it with --baud"},
    {t::kTerminalNotReady, "the terminal is not ready", About::Port},
    {t::kTerminalMemoryFull, "the terminal's memory is full"},
    {t::kDownloadError, "the download failed: a block was not accepted"},
    {t::kRetryQuestion, "the download failed; try again?"},
    {t::kDownloadDone, "download complete"},
    {t::kCannotOpenFile, "cannot open the file", About::File},
    {t::kCannotCreateFile, "cannot create the file", About::File},
    {t::kCannotWriteFile, "the file could not be written; it was left as it was", About::File},
    {t::kTimeOut, "time-out: the terminal stopped answering", About::Port},
    {t::kConnectFailed, "no connection: the terminal did not accept the request", About::Port},
    {t::kNoDataReceived, "no data received"},
    {t::kCollectOutOfStep,
     "the collection failed: ten lines in a row could not be taken; the records are still on the terminal",
     About::Port},
    {t::kTransferCancelled, "the transfer was cancelled", About::Port},
    {t::kLookupLineTooLongFormat, "line %d of the lookup file is longer than 253 bytes; nothing was sent", About::File},
    {t::kLookupUtf8LineFormat,
     "the lookup file is UTF-8 and line %d is not GB2312 text; nothing was sent (--encoding utf-8 converts it)",
     About::File},
    {t::kLookupNoGbFormFormat, "line %d of the lookup file has a character without a GB2312 form; nothing was sent",
     About::File},
};

// The number that `text` holds where `format` has "%d"; nothing when it does not match.
std::optional<std::string> numberIn(std::string_view text, std::string_view format) {
  const std::size_t at = format.find("%d");
  if (at == std::string_view::npos) return text == format ? std::optional<std::string>("") : std::nullopt;
  const std::string_view head = format.substr(0, at), tail = format.substr(at + 2);
  if (text.size() <= head.size() + tail.size() || !text.starts_with(head) || !text.ends_with(tail)) return std::nullopt;
  return std::string(text.substr(head.size(), text.size() - head.size() - tail.size()));
}

// Counted by the handler of SIGINT and SIGTERM; a signal handler may only store to such an
// object.
volatile std::sig_atomic_t stopSignals = 0;

extern "C" void onStopSignal(int signal) {
  stopSignals = stopSignals + 1;
  // Some C libraries put the default action back before calling a handler.
  std::signal(signal, onStopSignal);
}

const Gloss* glossOf(std::string_view text, std::string* number) {
  for (const Gloss& g : kGlosses)
    if (auto n = numberIn(text, g.text)) {
      *number = *n;
      return &g;
    }
  return nullptr;
}

std::string filled(std::string_view gloss, const std::string& number) {
  std::string out(gloss);
  if (const std::size_t at = out.find("%d"); at != std::string::npos) out.replace(at, 2, number);
  return out;
}

constexpr int kBarWidth = 40;

}  // namespace

std::string englishGloss(std::string_view systemText) {
  std::string number;
  const Gloss* g = glossOf(systemText, &number);
  return g ? filled(g->gloss, number) : std::string();
}

std::unique_ptr<link::SerialPort> systemPortOrSay(std::ostream& err) {
  auto port = link::makeSystemSerialPort();
  if (!port) err << "serial ports are not available in this build of k60tool\n";
  return port;
}

ConsoleAbilities consoleAbilities(const std::ostream& err) {
  if (&err != &std::cerr) return {};
  return {.showProgress = errorIsTerminal(), .askQuestions = inputIsTerminal()};
}

void ConsoleLinkUi::endLine() {
  if (midLine_) err_ << "\n";
  midLine_ = false;
}

void ConsoleLinkUi::print(std::string_view text, std::string_view caption, bool question) {
  endLine();
  std::string number;
  const Gloss* g = glossOf(text, &number);
  std::string gloss = g ? filled(g->gloss, number) : std::string();
  const About about = g ? g->about : About::Nothing;
  std::string_view subject;
  Reason reason;
  if (about == About::File) subject = file_;
  if (about == About::Port || about == About::PortOpen) subject = portName_;
  if (about == About::PortOpen && port_) reason = portReason(port_->lastOpenError());
  if (text == t::kDownloadDone) {
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    char took[32];
    std::snprintf(took, sizeof took, "%.2f s", seconds);
    gloss += ": " + (done_ ? done_() + ", " : std::string()) + "in " + took;
  }
  std::string line;
  {
    std::ostringstream s;
    printMessage(s, {caption, text, gloss, subject, reason.zh.empty() && reason.en.empty() ? nullptr : &reason});
    line = s.str();
  }
  if (question) line.pop_back();  // the answer goes on the same line
  err_ << line;
}

void ConsoleLinkUi::reportDone(std::string_view caption, std::string_view words, std::string_view gloss) {
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  char took[32];
  std::snprintf(took, sizeof took, "%.2f s", seconds);
  endLine();
  printMessage(err_, {caption, words, std::string(gloss) + (done_ ? ", " + done_() : std::string()) + ", in " + took});
}

void ConsoleLinkUi::showMessage(std::string_view text, std::string_view caption, link::MessageIcon) {
  print(text, caption, false);
}

bool ConsoleLinkUi::askYesNo(std::string_view text, std::string_view caption, link::MessageIcon) {
  print(text, caption, true);
  if (!abilities_.askQuestions) {
    err_ << " -> No\n";
    return false;
  }
  err_ << " [y/N] " << std::flush;
  std::string answer;
  std::getline(in_, answer);
  return !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y');
}

void ConsoleLinkUi::progressOpen() {
  if (abilities_.showProgress) progressSet(0);
}

void ConsoleLinkUi::progressSet(int position) {
  if (!abilities_.showProgress) return;
  const int shown = position < 0 ? 0 : position > 100 ? 100 : position;
  const int filled = shown * kBarWidth / 100;
  err_ << "\r[" << std::string(filled, '#') << std::string(kBarWidth - filled, ' ') << "] " << shown
       << "%" << std::flush;
  midLine_ = true;
}

void ConsoleLinkUi::progressClose() { endLine(); }

void ConsoleLinkUi::counterOpen() {}

void ConsoleLinkUi::counterShow(int records) {
  if (!abilities_.showProgress) return;
  err_ << "\r接收到的数据 : " << records << " (records received)" << std::flush;
  midLine_ = true;
}

void ConsoleLinkUi::counterClose() { endLine(); }

StopSignals::StopSignals() {
  stopSignals = 0;
  previousInt_ = std::signal(SIGINT, onStopSignal);
  previousTerm_ = std::signal(SIGTERM, onStopSignal);
}

StopSignals::~StopSignals() {
  std::signal(SIGINT, previousInt_ == SIG_ERR ? SIG_DFL : previousInt_);
  std::signal(SIGTERM, previousTerm_ == SIG_ERR ? SIG_DFL : previousTerm_);
}

int StopSignals::received() { return stopSignals; }

bool ConsoleLinkUi::cancelRequested() { return stopSignals != 0; }

}  // namespace k60::tool
