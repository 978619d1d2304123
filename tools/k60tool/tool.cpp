// Command-line parsing for k60tool.
#include "tools/k60tool/tool.h"

#include <CLI/CLI.hpp>

#include "tools/k60tool/commands.h"

namespace k60::tool {

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CLI::App app{"k60tool: templates, program images and transfers for the K60 terminal"};
  app.require_subcommand(1);
  Context ctx{out, err};
  addNewCommand(app, ctx);
  addShowCommand(app, ctx);
  addConvertCommand(app, ctx);
  addImageCommand(app, ctx);
  addDownloadCommand(app, ctx);
  addLookupCommand(app, ctx);
  addCollectCommand(app, ctx);
  addPeerCommand(app, ctx);
  addSimulateCommand(app, ctx);

  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return kDone;
  } catch (const CLI::ParseError& e) {
    err << e.what() << "\n" << app.help();
    return kUsage;
  }
  return ctx.exitCode;
}

}  // namespace k60::tool
