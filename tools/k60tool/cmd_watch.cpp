// watch: collects, unattended, from every cradle whose terminal offers its data.
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>
#include <vector>

#include "link/link_messages.h"
#include "link/system_clock.h"
#include "link/system_serial_port.h"
#include "tools/k60tool/commands.h"
#include "tools/k60tool/tool.h"
#include "tools/k60tool/tool_messages.h"
#include "tools/k60tool/watch_host.h"

namespace k60::tool {
namespace {

constexpr const char* kWatchFooter = R"(
Each port is asked "READ\r" once (3 s for the answer), then again --interval seconds after
that poll ended. When a terminal answers, its records are collected and written to
DIR/<port>-<date>-<time>.TXT, a file that appears only when the collection is complete; a
collection that fails writes nothing, and the next poll collects the records again.
A port that cannot be opened, or goes away, is tried again every interval. Every event is a
line on standard error (and in --log). Ctrl+C or SIGTERM ends the watch once a collection in
progress has ended; a second one drops that collection too (the terminal keeps its records).
Exit status: 0; 1 when none of the ports could be opened at the start, or --dir or --log
cannot be used.)";

struct WatchArgs {
  std::vector<std::string> ports;
  std::string dir, logFile;
  bool ir = false, once = false;
  std::uint32_t baud = kComRates[0];
  double intervalSec = 2;
};

void addWatchOptions(CLI::App& cmd, WatchArgs& a) {
  cmd.add_option("--port", a.ports, "serial device to watch; give --port once for each cradle")->required();
  cmd.add_option("--dir", a.dir, "directory the collected files are written to")->required();
  cmd.add_flag("--ir", a.ir, "set up the IR transceiver whenever a port is opened");
  cmd.add_option("--baud", a.baud, "bit rate: 115200 (default), 57600, 38400, 19200 or 9600")
      ->check(CLI::IsMember(std::vector<std::uint32_t>(kComRates.begin(), kComRates.end())));
  cmd.add_option("--interval", a.intervalSec, "seconds from the end of one poll to the next (default 2)")
      ->check(CLI::Range(0.05, 3600.0));
  cmd.add_option("--log", a.logFile, "append every event to this file as well");
  cmd.add_flag("--once", a.once, "end after the first complete collection on any port");
}

link::WatchSettings settingsOf(const WatchArgs& args, const std::string& port) {
  link::WatchSettings settings;
  settings.choice.portName = port;
  settings.choice.rateIndex = *link::rateIndexOf(args.baud);
  settings.choice.transport = args.ir ? link::Transport::IrTransceiver : link::Transport::Cable;
  settings.intervalMs = static_cast<std::uint32_t>(args.intervalSec * 1000 + 0.5);
  return settings;
}

// Until every port's watch has ended. Says when the watch begins to stop, and stops it
// when none of the ports could be opened at the start.
void awaitWatches(std::vector<std::thread>& threads, WatchHost& host, int ports) {
  for (;; std::this_thread::sleep_for(std::chrono::milliseconds(50))) {
    if (host.stopRequested()) {
      host.line({}, "正在停止", "stopping: a collection in progress ends first");
      break;
    }
    if (host.portsOpened() == 0 && host.portsNeverOpened() == ports) {
      host.line({}, "没有可以打开的端口", "none of the ports could be opened");
      host.stop();
      break;
    }
  }
  for (std::thread& t : threads) t.join();
}

int runWatch(Context& ctx, WatchArgs& args) {
  // A port named twice is watched once.
  std::vector<std::string> ports;
  for (const std::string& port : args.ports)
    if (std::find(ports.begin(), ports.end(), port) == ports.end()) ports.push_back(port);
  args.ports = std::move(ports);
  std::error_code error;
  if (!std::filesystem::is_directory(utf8Path(args.dir), error)) {
    printMessage(ctx.err, {link::text::kErrorCaption, "目录不存在", "no such directory", args.dir});
    return kFailed;
  }
  std::ofstream log;
  if (!args.logFile.empty()) {
    log.open(utf8Path(args.logFile), std::ios::app | std::ios::binary);
    if (!log) {
      const Reason reason = fileReason(args.logFile);
      printMessage(ctx.err, {link::text::kErrorCaption, link::text::kCannotOpenFile, "cannot open the log file",
                             args.logFile, &reason});
      return kFailed;
    }
  }
  if (!systemPortOrSay(ctx.err)) return kFailed;
  const StopSignals signals;
  WatchHost host(ctx.err, log.is_open() ? &log : nullptr, args.dir,
                 settingsOf(args, args.ports.front()).intervalMs, args.once);
  host.line({}, "开始监视",
            "watching " + std::to_string(args.ports.size()) + " port(s); files go to " + args.dir);
  std::vector<std::thread> threads;
  for (const std::string& port : args.ports)
    threads.emplace_back([&host, &args, port] {
      const auto system = link::makeSystemSerialPort();
      link::SystemClock clock;
      link::watchPort(*system, clock, settingsOf(args, port), host);
    });
  awaitWatches(threads, host, static_cast<int>(args.ports.size()));
  host.line({}, "已停止", "stopped");
  return host.portsOpened() > 0 ? kDone : kFailed;
}

}  // namespace

void addWatchCommand(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<WatchArgs>();
  CLI::App* cmd = app.add_subcommand("watch", "collect from every cradle as soon as a terminal offers its data");
  addWatchOptions(*cmd, *args);
  cmd->footer(kWatchFooter);
  onRun(cmd, ctx, [&ctx, args] { return runWatch(ctx, *args); });
}

}  // namespace k60::tool
