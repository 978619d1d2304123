// Placeholder until this command is built: it reports that it is not available yet.
#include "tools/k60tool/commands.h"

namespace k60::tool {

void addImageCommand(CLI::App& app, Context& ctx) {
  app.add_subcommand("image", "(not built yet)")->allow_extras()->callback([&ctx] {
    ctx.err << "k60tool image: not built yet\n";
    ctx.exitCode = 1;
  });
}

}  // namespace k60::tool
