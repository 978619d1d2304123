// Placeholder until this command is built: it reports that it is not available yet.
#include "tools/k60tool/commands.h"

namespace k60::tool {

void addDownloadCommand(CLI::App& app, Context& ctx) {
  app.add_subcommand("download", "(not built yet)")->allow_extras()->callback([&ctx] {
    ctx.err << "k60tool download: not built yet\n";
    ctx.exitCode = 1;
  });
}

void addLookupCommand(CLI::App& app, Context& ctx) {
  app.add_subcommand("lookup", "(not built yet)")->allow_extras()->callback([&ctx] {
    ctx.err << "k60tool lookup: not built yet\n";
    ctx.exitCode = 1;
  });
}

void addCollectCommand(CLI::App& app, Context& ctx) {
  app.add_subcommand("collect", "(not built yet)")->allow_extras()->callback([&ctx] {
    ctx.err << "k60tool collect: not built yet\n";
    ctx.exitCode = 1;
  });
}

}  // namespace k60::tool
