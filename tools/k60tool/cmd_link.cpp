// download, lookup and collect: the transfers with the terminal over a serial port.
#include <iostream>
#include <memory>
#include <optional>

#include "link/collection.h"
#include "link/download.h"
#include "link/link_messages.h"
#include "link/lookup_transfer.h"
#include "link/system_clock.h"
#include "link/system_serial_port.h"
#include "tools/k60tool/commands.h"
#include "tools/k60tool/console_link_ui.h"
#include "tools/k60tool/template_files.h"
#include "tools/k60tool/tool.h"

namespace k60::tool {
namespace {

struct LinkArgs {
  std::string port;
  bool ir = false;
  std::optional<std::uint32_t> baud;
  std::string file;
};

CLI::App* addLinkCommand(CLI::App& app, const char* name, const char* about, LinkArgs& args) {
  CLI::App* cmd = app.add_subcommand(name, about);
  cmd->add_option("--port", args.port, "serial device the terminal is on, e.g. /dev/ttyUSB0")->required();
  cmd->add_flag("--ir", args.ir, "set up the IR transceiver first");
  cmd->add_option("--baud", args.baud, "bit rate: 115200, 57600, 38400, 19200 or 9600")
      ->check(CLI::IsMember({115200, 57600, 38400, 19200, 9600}));
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

// Runs one link operation with the console's user interface, the system clock and port.
template <typename Operation>
int runLink(Context& ctx, Operation operation) {
  auto port = link::makeSystemSerialPort();
  if (!port) {
    ctx.err << "serial ports are not available in this build of k60tool\n";
    return kFailed;
  }
  link::SystemClock clock;
  ConsoleLinkUi ui(ctx.err, std::cin, consoleAbilities(ctx.err));
  link::LineSettings line;
  link::LinkContext session{*port, clock, ui, line};
  return operation(session) ? kDone : kFailed;
}

// The rate of a download: --baud, else the template's own; nothing for a damaged index.
std::optional<int> downloadRateIndex(const LinkArgs& args, const Template& t, std::ostream& err) {
  if (args.baud) return link::rateIndexOf(*args.baud);
  if (link::baudRateOf(t.comRate())) return t.comRate();
  err << args.file << ": " << link::text::kInvalidBaudRate << " (the template's rate index "
      << int{t.comRate()} << " is not one of 0..4; give the rate with --baud)\n";
  return std::nullopt;
}

}  // namespace

void addDownloadCommand(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<LinkArgs>();
  CLI::App* cmd = addLinkCommand(app, "download", "download a template's program to the terminal", *args);
  cmd->add_option("file", args->file, "template file (.ATX)")->required();
  cmd->callback([&ctx, args] {
    Template t;
    std::optional<int> rate;
    if (!loadTemplate(args->file, t, ctx.err) || !(rate = downloadRateIndex(*args, t, ctx.err))) {
      ctx.exitCode = kFailed;
      return;
    }
    const link::LinkChoice choice = choiceOf(*args, *rate);
    ctx.exitCode = runLink(ctx, [&](link::LinkContext& session) { return link::downloadProgram(session, choice, t); });
  });
}

void addLookupCommand(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<LinkArgs>();
  CLI::App* cmd = addLinkCommand(app, "lookup", "download a lookup file (text, one record a line)", *args);
  cmd->add_option("file", args->file, "lookup file (.TXT)")->required();
  cmd->callback([&ctx, args] {
    const link::LinkChoice choice = choiceOf(*args, rateIndexOr115200(*args));
    ctx.exitCode = runLink(ctx, [&](link::LinkContext& session) {
      return link::downloadLookupFile(session, choice, args->file);
    });
  });
}

void addCollectCommand(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<LinkArgs>();
  CLI::App* cmd = addLinkCommand(app, "collect", "collect the terminal's records into a text file", *args);
  cmd->add_option("-o,--output", args->file, "text file to write, one record a line")->required();
  cmd->callback([&ctx, args] {
    const link::LinkChoice choice = choiceOf(*args, rateIndexOr115200(*args));
    ctx.exitCode = runLink(ctx, [&](link::LinkContext& session) {
      const link::CollectionResult result = link::collectData(session, choice, args->file);
      if (result.outcome != link::CollectionResult::Outcome::Collected) return false;
      ctx.out << "Done : " << result.records << " records received.\n";
      return true;
    });
  });
}

}  // namespace k60::tool
