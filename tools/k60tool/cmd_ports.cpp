// ports: the serial ports the system has, so that a user can find the terminal's cradle.
#include "tools/k60tool/commands.h"
#include "tools/k60tool/serial_ports.h"
#include "tools/k60tool/tool.h"

namespace k60::tool {

void addPortsCommand(CLI::App& app, Context& ctx) {
  CLI::App* cmd = app.add_subcommand("ports", "list the serial ports of this system (for --port)");
  onRun(cmd, ctx, [&ctx] {
    const auto ports = listSerialPorts();
    for (const SerialPortInfo& p : ports)
      ctx.out << p.name << (p.description.empty() ? "" : "  " + p.description) << "\n";
    if (ports.empty()) ctx.err << "没有找到串口 (no serial ports found)\n";
    return kDone;
  });
}

}  // namespace k60::tool
