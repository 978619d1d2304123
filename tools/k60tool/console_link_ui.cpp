// The link user interface of k60tool: messages with glosses, a text progress bar, y/N.
#include "tools/k60tool/console_link_ui.h"

#include <unistd.h>

#include <iostream>
#include <string>
#include <utility>

#include "link/link_messages.h"


namespace k60::tool {
namespace {

constexpr std::pair<std::string_view, std::string_view> kGlosses[] = {
    {link::text::kErrorCaption, "error"},
    {link::text::kDownloadCaption, "download"},
    {link::text::kUploadCaption, "collect data"},
    {link::text::kDownloadPortOpenFailed, "cannot open the port"},
    {link::text::kDownloadIrSetupFailed, "the IR transceiver could not be set up"},
    {link::text::kDownloadLineSettingsFailed, "the line settings could not be applied"},
    {link::text::kCollectPortOpenFailed, "cannot open the port"},
    {link::text::kCollectIrSetupFailed, "the IR transceiver could not be set up"},
    {link::text::kTerminalNotReady, "the terminal is not ready"},
    {link::text::kTerminalMemoryFull, "the terminal's memory is full"},
    {link::text::kDownloadError, "the download failed: a block was not accepted"},
    {link::text::kRetryQuestion, "the download failed; try again?"},
    {link::text::kDownloadDone, "download complete"},
    {link::text::kCannotOpenFile, "cannot open the file"},
    {link::text::kCannotCreateFile, "cannot create the file"},
    {link::text::kTimeOut, "time-out: the terminal stopped answering"},
    {link::text::kConnectFailed, "no connection: the terminal did not accept the request"},
    {link::text::kNoDataReceived, "no data received"},
};

// Texts with a number in them, by their printf format.
constexpr std::pair<std::string_view, std::string_view> kFormatGlosses[] = {
    {link::text::kLookupLineTooLongFormat, "a line of the lookup file is longer than 253 bytes; nothing was sent"},
};

bool matchesFormat(std::string_view text, std::string_view format) {
  const std::size_t at = format.find("%d");
  if (at == std::string_view::npos) return text == format;
  const std::string_view head = format.substr(0, at), tail = format.substr(at + 2);
  return text.size() > head.size() + tail.size() && text.starts_with(head) && text.ends_with(tail);
}

constexpr int kBarWidth = 40;

}  // namespace

std::string_view englishGloss(std::string_view systemText) {
  for (const auto& [text, gloss] : kGlosses)
    if (text == systemText) return gloss;
  for (const auto& [format, gloss] : kFormatGlosses)
    if (matchesFormat(systemText, format)) return gloss;
  return {};
}

ConsoleAbilities consoleAbilities(const std::ostream& err) {
  if (&err != &std::cerr) return {};
  return {.showProgress = isatty(2) != 0, .askQuestions = isatty(0) != 0};
}

void ConsoleLinkUi::endLine() {
  if (midLine_) err_ << "\n";
  midLine_ = false;
}

void ConsoleLinkUi::showMessage(std::string_view text, std::string_view caption, link::MessageIcon) {
  endLine();
  err_ << caption << ": " << text;
  if (auto gloss = englishGloss(text); !gloss.empty()) err_ << " (" << gloss << ")";
  err_ << "\n";
}

bool ConsoleLinkUi::askYesNo(std::string_view text, std::string_view caption, link::MessageIcon) {
  endLine();
  err_ << caption << ": " << text;
  if (auto gloss = englishGloss(text); !gloss.empty()) err_ << " (" << gloss << ")";
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

}  // namespace k60::tool
