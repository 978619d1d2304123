// simulate: runs a key script on a template through the simulator and prints the screen.
#include <memory>

#include "simulator/local_clock.h"
#include "tools/k60tool/commands.h"
#include "tools/k60tool/simulate_session.h"
#include "tools/k60tool/template_files.h"
#include "tools/k60tool/tool.h"

namespace k60::tool {
namespace {

std::chrono::sys_time<std::chrono::minutes> localNow() {
  using namespace std::chrono;
  const sim::LocalTime now = sim::SystemLocalClock().now();
  const year_month_day date{year(now.year), month(static_cast<unsigned>(now.month)), day(static_cast<unsigned>(now.day))};
  return sys_days(date) + hours(now.hour) + minutes(now.minute);
}

}  // namespace

void addSimulateCommand(CLI::App& app, Context& ctx) {
  struct Args {
    std::string file, keys, time;
    bool json = false;
  };
  auto args = std::make_shared<Args>();
  CLI::App* cmd = app.add_subcommand("simulate", "run keys through the terminal simulator and show the screen");
  cmd->add_option("file", args->file, "template file (.ATX; - for standard input)")->required();
  cmd->add_option("--keys", args->keys,
                  "comma-separated keys: 0..9 . Enter BS SP Up Down Alpha FN ESC PWR wait:MS, "
                  "type:TEXT (typed on the PC keyboard), scan:TEXT (a barcode scan: TEXT, then Enter)")
      ->required();
  cmd->add_flag("--json", args->json, "print one JSON object");
  cmd->add_option("--time", args->time, "local time at the start, YYYY-MM-DDTHH:MM (default: now)");
  onRun(cmd, ctx, [&ctx, args] {
    std::string bad;
    const auto steps = parseKeyScript(args->keys, bad);
    if (!steps) {
      ctx.err << "k60tool simulate: unknown key \"" << bad << "\" (keys are 0..9 . Enter BS SP Up Down Alpha FN ESC PWR "
              << "wait:MS with MS from 0 to " << kMaxWaitMs << ", type:TEXT and scan:TEXT)\n";
      return kUsage;
    }
    const auto start = args->time.empty() ? std::optional(localNow()) : parseStartTime(args->time);
    if (!start) {
      ctx.err << "k60tool simulate: --time \"" << args->time << "\" is not a valid local time of the form YYYY-MM-DDTHH:MM\n";
      return kUsage;
    }
    Template t;
    if (!loadTemplate(args->file, t, ctx.err)) return kFailed;
    SimulateSession session(t, *start);
    session.play(*steps);
    if (args->json)
      ctx.out << session.toJson().dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
    else
      session.printText(ctx.out);
    return kDone;
  });
}

}  // namespace k60::tool
