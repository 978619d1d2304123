// new, show and convert: the template file commands.
#include <memory>

#include "template/defaults.h"
#include "template/example_application.h"
#include "tools/k60tool/commands.h"
#include "tools/k60tool/show_template.h"
#include "tools/k60tool/template_files.h"
#include "tools/k60tool/tool.h"

namespace k60::tool {

void addNewCommand(CLI::App& app, Context& ctx) {
  struct Args {
    std::string out;
    bool example = false;
  };
  auto args = std::make_shared<Args>();
  CLI::App* cmd = app.add_subcommand(
      "new", "write the template a new program starts with (--example: with a small application to try)");
  cmd->add_option("-o,--output", args->out, "template file to write (.ATX; - for standard output)")->required();
  cmd->add_flag("--example", args->example,
                "add an example application: a menu leading to a stock-in and a stock-out form");
  onRun(cmd, ctx, [&ctx, args] {
    Template t;
    if (args->example)
      buildExampleApplication(t);
    else
      resetToDefaults(t);
    return saveTemplate(args->out, t, ctx.out, ctx.err) ? kDone : kFailed;
  });
}

void addShowCommand(CLI::App& app, Context& ctx) {
  struct Args {
    std::string file;
    bool json = false;
  };
  auto args = std::make_shared<Args>();
  CLI::App* cmd = app.add_subcommand("show", "show a template (forms, menus, lookups, settings)");
  cmd->add_option("file", args->file, "template file (.ATX; - for standard input)")->required();
  cmd->add_flag("--json", args->json, "print one JSON object");
  onRun(cmd, ctx, [&ctx, args] {
    Template t;
    if (!loadTemplate(args->file, t, ctx.err)) return kFailed;
    if (args->json)
      ctx.out << templateJson(t).dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
    else
      printTemplate(t, ctx.out);
    return kDone;
  });
}

void addConvertCommand(CLI::App& app, Context& ctx) {
  struct Args {
    std::string in, out;
  };
  auto args = std::make_shared<Args>();
  CLI::App* cmd = app.add_subcommand("convert", "open a template file (any accepted version), save it");
  cmd->add_option("input", args->in, "template file to read (- for standard input)")->required();
  cmd->add_option("-o,--output", args->out, "template file to write (- for standard output)")->required();
  onRun(cmd, ctx, [&ctx, args] {
    Template t;
    const bool ok = loadTemplate(args->in, t, ctx.err) && saveTemplate(args->out, t, ctx.out, ctx.err);
    return ok ? kDone : kFailed;
  });
}

}  // namespace k60::tool
