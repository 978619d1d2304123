// The k60tool commands: each adds its subcommand and sets the exit code when it runs.
#pragma once

#include <CLI/CLI.hpp>
#include <ostream>

namespace k60::tool {

struct Context {
  std::ostream& out;
  std::ostream& err;
  int exitCode = 0;
};

// Has `cmd` run `run` when it is given: what `run` returns is the exit code.
template <typename Run>
void onRun(CLI::App* cmd, Context& ctx, Run run) {
  cmd->callback([&ctx, run] { ctx.exitCode = run(); });
}

void addNewCommand(CLI::App& app, Context& ctx);
void addShowCommand(CLI::App& app, Context& ctx);
void addConvertCommand(CLI::App& app, Context& ctx);
void addImageCommand(CLI::App& app, Context& ctx);
void addDownloadCommand(CLI::App& app, Context& ctx);
void addLookupCommand(CLI::App& app, Context& ctx);
void addLookupFileCommand(CLI::App& app, Context& ctx);
void addLookupCheckCommand(CLI::App& app, Context& ctx);
void addCollectCommand(CLI::App& app, Context& ctx);
void addPeerCommand(CLI::App& app, Context& ctx);
void addSimulateCommand(CLI::App& app, Context& ctx);
void addPortsCommand(CLI::App& app, Context& ctx);
void addWatchCommand(CLI::App& app, Context& ctx);

}  // namespace k60::tool
