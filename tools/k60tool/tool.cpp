// Command-line parsing for k60tool.
#include "tools/k60tool/tool.h"

#include <CLI/CLI.hpp>
#include <optional>

#include "link/link_messages.h"
#include "tools/k60tool/commands.h"
#include "tools/k60tool/tool_messages.h"

#ifndef K60TOOL_VERSION
#define K60TOOL_VERSION "unknown"
#endif

namespace k60::tool {
namespace {

constexpr const char* kExitCodes = R"(
Exit status: 0 done; 1 the operation failed (file refused or not written, terminal not
ready, transfer failed, nothing collected); 2 the command line is wrong.
"-" stands for standard input or output wherever a file is read or written.
"k60tool COMMAND --help" describes a command.)";

// The first argument that names a command, when it is not one of `app`'s commands.
std::optional<std::string> unknownCommand(const CLI::App& app, const std::vector<std::string>& args) {
  if (args.empty() || args[0].empty() || args[0][0] == '-') return std::nullopt;
  for (const CLI::App* sub : app.get_subcommands([](const CLI::App*) { return true; }))
    if (sub->get_name() == args[0]) return std::nullopt;
  return args[0];
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CLI::App app{"k60tool: templates, program images and transfers for the K60 terminal", "k60tool"};
  app.require_subcommand(1);
  app.set_version_flag("--version", std::string("k60tool ") + K60TOOL_VERSION);
  app.footer(kExitCodes);
  Context ctx{out, err};
  addNewCommand(app, ctx);
  addShowCommand(app, ctx);
  addConvertCommand(app, ctx);
  addImageCommand(app, ctx);
  addDownloadCommand(app, ctx);
  addLookupCommand(app, ctx);
  addLookupFileCommand(app, ctx);
  addLookupCheckCommand(app, ctx);
  addCollectCommand(app, ctx);
  addPeerCommand(app, ctx);
  addSimulateCommand(app, ctx);
  addPortsCommand(app, ctx);
  addWatchCommand(app, ctx);

  if (const auto name = unknownCommand(app, args)) {
    err << "未知命令 '" << *name << "' (unknown command '" << *name << "'; k60tool --help lists the commands)\n";
    return kUsage;
  }
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    // The help of the command asked about, or of k60tool.
    const CLI::App* asked = &app;
    for (const CLI::App* sub : app.get_subcommands()) asked = sub;
    out << (asked == &app ? app.help() : asked->help("k60tool"));
    return kDone;
  } catch (const CLI::CallForVersion& e) {
    out << e.what() << "\n";
    return kDone;
  } catch (const CLI::ParseError& e) {
    const CLI::App* failed = &app;
    for (const CLI::App* sub : app.get_subcommands()) failed = sub;
    err << "命令行错误 (wrong command line): " << e.what() << "\n"
        << (failed == &app ? app.help() : failed->help("k60tool"));
    return kUsage;
  }
  // Output that could not be written (a full disk, a closed standard output) is a failure.
  if (!out.flush() && ctx.exitCode == kDone) {
    printMessage(err, {link::text::kErrorCaption, link::text::kCannotWriteFile,
                       "the output could not be written", "standard output"});
    return kFailed;
  }
  return ctx.exitCode;
}

}  // namespace k60::tool
