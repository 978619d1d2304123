// download, lookup and collect: the transfers with the terminal over a serial port.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>

#include "link/collection.h"
#include "link/download.h"
#include "link/link_messages.h"
#include "link/lookup_transfer.h"
#include "link/program_image.h"
#include "link/system_clock.h"
#include "tools/k60tool/commands.h"
#include "tools/k60tool/console.h"
#include "tools/k60tool/console_link_ui.h"
#include "tools/k60tool/logging_port.h"
#include "tools/k60tool/template_files.h"
#include "tools/k60tool/tool.h"
#include "tools/k60tool/tool_messages.h"

namespace k60::tool {
namespace {

struct LinkArgs {
  std::string port;
  bool ir = false;
  bool verbose = false;
  std::optional<std::uint32_t> baud;
  std::string file;
};

CLI::App* addLinkCommand(CLI::App& app, const char* name, const char* about, LinkArgs& args) {
  CLI::App* cmd = app.add_subcommand(name, about);
  cmd->add_option("--port", args.port, "serial device the terminal is on, e.g. /dev/ttyUSB0 (see: k60tool ports)")
      ->required();
  cmd->add_flag("--ir", args.ir, "set up the IR transceiver first");
  cmd->add_option("--baud", args.baud, "bit rate: 115200, 57600, 38400, 19200 or 9600")
      ->check(CLI::IsMember(std::vector<std::uint32_t>(kComRates.begin(), kComRates.end())));
  cmd->add_flag("-v,--verbose", args.verbose, "log every block, resend, reply and record with its time");
  return cmd;
}

link::LinkChoice choiceOf(const LinkArgs& args, int rateIndex) {
  link::LinkChoice choice;
  choice.portName = args.port;
  choice.rateIndex = rateIndex;
  choice.transport = args.ir ? link::Transport::IrTransceiver : link::Transport::Cable;
  return choice;
}

int rateIndexOr115200(const LinkArgs& args) { return args.baud ? *link::rateIndexOf(*args.baud) : 0; }

// Runs one link operation with the console's user interface, the system clock and port
// (logged with -v, which leaves out the progress bar so that the log stays readable).
template <typename Operation>
ExitCode runLink(Context& ctx, const LinkArgs& args, Operation operation) {
  auto system = systemPortOrSay(ctx.err);
  if (!system) return kFailed;
  std::optional<LoggingPort> logging;
  if (args.verbose) logging.emplace(*system, ctx.err);
  link::SerialPort& port = logging ? static_cast<link::SerialPort&>(*logging) : *system;
  link::SystemClock clock;
  ConsoleAbilities abilities = consoleAbilities(ctx.err);
  if (args.verbose) abilities.showProgress = false;
  ConsoleLinkUi ui(ctx.err, std::cin, abilities);
  ui.namePort(args.port, &port);
  ui.nameFile(args.file);
  link::LineSettings line;
  link::LinkContext session{port, clock, ui, line};
  const StopSignals stop;
  return operation(session, ui) ? kDone : kFailed;
}

// The rate of a download: --baud, else the template's own; nothing for a damaged index.
std::optional<int> downloadRateIndex(const LinkArgs& args, const Template& t, std::ostream& err) {
  if (args.baud) return link::rateIndexOf(*args.baud);
  if (link::baudRateOf(t.comRate())) return t.comRate();
  const std::string gloss = "the template's rate index " + std::to_string(int{t.comRate()}) +
                            " is not one of 0..4; give the rate with --baud";
  printMessage(err, {link::text::kErrorCaption, link::text::kInvalidBaudRate, gloss, args.file});
  return std::nullopt;
}

// Where a collection writes: the file, or for "-" a temporary file that is then copied
// to standard output.
std::string collectionPath(const std::string& file) {
  if (!isStdStream(file)) return file;
  const auto path = std::filesystem::temp_directory_path() / ("k60tool-collect-" + std::to_string(processId()) + ".txt");
  return path.string();
}

}  // namespace

void addDownloadCommand(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<LinkArgs>();
  CLI::App* cmd = addLinkCommand(app, "download", "download a template's program to the terminal", *args);
  cmd->add_option("file", args->file, "template file (.ATX; - for standard input)")->required();
  onRun(cmd, ctx, [&ctx, args] {
    Template t;
    std::optional<int> rate;
    if (!loadTemplate(args->file, t, ctx.err) || !(rate = downloadRateIndex(*args, t, ctx.err))) return kFailed;
    const link::LinkChoice choice = choiceOf(*args, *rate);
    return runLink(ctx, *args, [&](link::LinkContext& session, ConsoleLinkUi& ui) {
      const std::string what = "program image of " + std::to_string(link::kProgramImageSize) + " bytes in " +
                               std::to_string(link::kProgramBlockCount) + " blocks at " +
                               std::to_string(kComRates[static_cast<std::size_t>(*rate)]) + " bit/s";
      ui.describeDone([what] { return what; });
      return link::downloadProgram(session, choice, t);
    });
  });
}

void addLookupCommand(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<LinkArgs>();
  auto encoding = std::make_shared<std::string>("gb2312");
  CLI::App* cmd = addLinkCommand(app, "lookup", "download a lookup file (text, one record a line)", *args);
  cmd->add_option("file", args->file, "lookup file (.TXT; - for standard input)")->required();
  cmd->add_option("--encoding", *encoding,
                  "the file's text: gb2312 (default; a UTF-8 file is refused) or utf-8 (converted to GB2312)")
      ->check(CLI::IsMember({"gb2312", "utf-8"}, CLI::ignore_case));
  onRun(cmd, ctx, [&ctx, args, encoding] {
    std::string bytes;
    if (!readWholeFile(args->file, bytes, ctx.err)) return kFailed;
    const auto mode = *encoding == "gb2312" ? link::LookupEncoding::Gb2312 : link::LookupEncoding::Utf8;
    const link::LinkChoice choice = choiceOf(*args, rateIndexOr115200(*args));
    return runLink(ctx, *args, [&](link::LinkContext& session, ConsoleLinkUi& ui) {
      link::LookupSent sent;
      // Read when "下载完毕!" is shown, after the checks have filled `sent`.
      ui.describeDone([&sent, mode] {
        return "lookup file of " + std::to_string(sent.lines) + " lines, " + std::to_string(sent.bytes) + " bytes" +
               (mode == link::LookupEncoding::Utf8 ? " (converted to GB2312)" : "");
      });
      return link::downloadLookupBytes(session, choice, {bytes.begin(), bytes.end()}, mode, &sent);
    });
  });
}

void addCollectCommand(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<LinkArgs>();
  CLI::App* cmd = addLinkCommand(app, "collect", "collect the terminal's records into a text file", *args);
  cmd->add_option("-o,--output", args->file, "text file to write, one record a line (- for standard output)")
      ->required();
  onRun(cmd, ctx, [&ctx, args] {
    const link::LinkChoice choice = choiceOf(*args, rateIndexOr115200(*args));
    const std::string path = collectionPath(args->file);
    return runLink(ctx, *args, [&](link::LinkContext& session, ConsoleLinkUi& ui) {
      const link::CollectionResult result = link::collectData(session, choice, path);
      if (result.outcome != link::CollectionResult::Outcome::Collected) return false;
      std::string data;
      std::error_code error;
      const auto size = std::filesystem::file_size(utf8Path(path), error);
      if (isStdStream(args->file)) {
        const bool copied = readWholeFile(path, data, ctx.err) &&
                            writeFileOrStdout(args->file, data, ctx.out, [] { return true; });
        std::filesystem::remove(utf8Path(path), error);
        if (!copied) return false;
      }
      const std::string what = (error ? std::string() : std::to_string(size) + " bytes ") + "into " +
                               (isStdStream(args->file) ? std::string("standard output") : args->file);
      ui.describeDone([what] { return what; });
      char words[64];
      std::snprintf(words, sizeof words, "Done : %d records received.", result.records);
      ui.reportDone(link::text::kUploadCaption, words,
                    "collection complete: " + std::to_string(result.records) + " records");
      return true;
    });
  });
}

}  // namespace k60::tool
