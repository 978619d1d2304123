// Placeholder until this command is built: it reports that it is not available yet.
#include "tools/k60tool/commands.h"

namespace k60::tool {

void addPeerCommand(CLI::App& app, Context& ctx) {
  app.add_subcommand("peer", "(not built yet)")->allow_extras()->callback([&ctx] {
    ctx.err << "k60tool peer: not built yet\n";
    ctx.exitCode = 1;
  });
}

}  // namespace k60::tool
