// peer: plays the terminal (and the IR transceiver) on a serial port for testing transfers.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>

#include "link/link_messages.h"
#include "link/system_clock.h"
#include "link/system_serial_port.h"
#include "link/terminal_peer.h"
#include "template/com_settings.h"
#include "link/terminal_peer_paced_port.h"
#include "tools/k60tool/commands.h"
#include "tools/k60tool/console_link_ui.h"
#include "tools/k60tool/tool.h"
#include "tools/k60tool/tool_messages.h"

namespace k60::tool {
namespace {

using link::peer::Bytes;

constexpr const char* kPeerFooter = R"(
Framing: "QUIBEL\r" starts a download and "READ\r" a collection. Program blocks are 103
bytes without a terminator, so what follows the handshake is taken as --mode says:
  program  every block is 103 bytes; block 104 completes the image
  lookup   every block ends with CR; "OVER\r" completes the file
  auto     (default) a first block of 103 bytes that is a valid block 0 makes it a program;
           a first block ended by CR with a valid checksum, after which the line stays quiet
           for --gap ms, makes it a lookup file (that first line is answered after the gap)
An incomplete block followed by --gap ms of quiet is dropped unanswered; "QUIBEL\r" or
"READ\r" followed by the gap starts over. Blocks, lines and records count from 0 in the
fault options; the lookup file's "OVER\r" counts as the line after the last.
Bytes left on the line by an earlier run are dropped when the peer starts and before it
answers a handshake or "READ\r" (never inside a transfer).
A session ends when the image or lookup file has arrived, the records are served, or
"FULL" was answered. Exit status: 0, or 1 when the port fails, a file cannot be written or
--count sessions did not end before --timeout.)";

struct PeerArgs {
  std::string port, mode = "auto", imageOut, lookupOut, recordsFile, whileSending = "keep";
  std::uint32_t baud = kComRates[0];
  bool pace = false, verbose = false, once = false;
  int count = 0;
  double timeoutSec = 0;
  link::peer::PeerOptions options;
};

void addPeerOptions(CLI::App& cmd, PeerArgs& a) {
  link::peer::PeerFaults& f = a.options.faults;
  cmd.add_option("--port", a.port, "serial device to play the terminal on")->required();
  cmd.add_option("--mode", a.mode, "what follows a handshake: auto, program or lookup")
      ->check(CLI::IsMember({"auto", "program", "lookup"}));
  cmd.add_option("--image-out", a.imageOut, "write each program image received (10,500 bytes)");
  cmd.add_option("--lookup-out", a.lookupOut, "write each lookup file received (CR LF lines)");
  cmd.add_option("--records", a.recordsFile, "records to serve, one a line (at most 251 bytes)");
  cmd.add_option("--baud", a.baud, "bit rate of the line and of --pace")
      ->check(CLI::IsMember(std::vector<std::uint32_t>(kComRates.begin(), kComRates.end())));
  cmd.add_flag("--pace", a.pace, "move bytes no faster than the bit rate (10 bits a byte)");
  cmd.add_flag("--ir", a.options.ir, "also play the IR transceiver (answers the 0x0F probe)");
  cmd.add_option("--ir-probe", f.irAnswerProbe, "answer only this IR probe (1 = first, 0 = none)");
  cmd.add_flag("--silent", f.silent, "never answer");
  cmd.add_option("--full-at", f.fullAt, "answer \"FULL\" to this block");
  cmd.add_option("--reject-at", f.rejectAt, "answer \"ERR\" to this block (so the PC resends)");
  cmd.add_option("--reject-times", f.rejectTimes, "how often --reject-at applies (default 1)");
  cmd.add_option("--drop-at", f.dropAt, "leave this block unanswered");
  cmd.add_option("--drop-times", f.dropTimes, "how often --drop-at applies (default 1)");
  cmd.add_option("--noise-at", f.noiseAt, "send noise bytes before the answer to this block or before this record");
  cmd.add_option("--repeat-record", f.repeatRecord, "send this record again after its ACK");
  cmd.add_option("--corrupt-record", f.corruptRecord, "send this record first with a wrong checksum");
  cmd.add_option("--late-record", f.lateRecord, "send this record's first line late (see --late-ms)");
  cmd.add_option("--late-ms", f.lateMs, "how late --late-record comes, in milliseconds (default 600)");
  cmd.add_option("--ignore-reads", f.ignoreReads, "leave this many \"READ\" unanswered before answering one");
  cmd.add_option("--stall-at-record", f.stallAt,
                 "in the first collection, fall silent instead of sending this record, until the next \"READ\"");
  cmd.add_option("--answers-while-sending", a.whileSending,
                 "an answer that arrives while a late line is on its way: keep (default; acted on once the\n"
                 "line is out, so a time-out NAK brings the line again) or drop")
      ->check(CLI::IsMember({"keep", "drop"}));
  cmd.add_option("--gap", a.options.gapMs, "quiet milliseconds that end an incomplete block (default 200)");
  cmd.add_option("--count", a.count, "end after this many sessions (default: run until stopped)");
  cmd.add_flag("--once", a.once, "end after one session");
  cmd.add_option("--timeout", a.timeoutSec, "end after this many seconds without a byte (and say so)");
  cmd.add_flag("-v,--verbose", a.verbose,
               "log every event to stderr with its time: handshakes, blocks, lines and records taken or\n"
               "sent, resends, refusals, faults injected, bytes dropped, IR probes and commands");
}

// Reports what the peer received on stdout and writes it to the files asked for.
class CommandSink : public link::peer::PeerSink {
 public:
  CommandSink(Context& ctx, const PeerArgs& args) : ctx_(ctx), args_(args) {}
  link::peer::PacedPort* paced = nullptr;
  bool failed = false;

  void programReceived(const Bytes& image) override {
    ctx_.out << "收到程序 (program image received): " << image.size() << " bytes" << std::endl;
    if (!args_.imageOut.empty()) save(args_.imageOut, image);
  }
  void lookupReceived(const std::vector<Bytes>& lines) override {
    ctx_.out << "收到索引文件 (lookup file received): " << lines.size() << " lines" << std::endl;
    Bytes file;
    for (const Bytes& l : lines) {
      file.insert(file.end(), l.begin(), l.end());
      file.insert(file.end(), {0x0D, 0x0A});
    }
    if (!args_.lookupOut.empty()) save(args_.lookupOut, file);
  }
  void collectionServed(int records) override {
    ctx_.out << "数据已发送 (records served): " << records << std::endl;
  }
  void downloadRefused(int block) override {
    ctx_.out << "终端内存已满 (download refused at block " << block << ", FULL)" << std::endl;
  }
  void rateCommanded(std::uint32_t baud) override {
    note("IR transceiver commanded to " + std::to_string(baud) + " bit/s");
    if (paced) paced->setBaud(baud);
  }
  void note(const std::string& event) override {
    if (!args_.verbose) return;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%8.3f s  ", seconds);
    ctx_.err << "peer: " << stamp << event << std::endl;
  }

 private:
  void save(const std::string& path, const Bytes& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (f.flush()) return;
    printMessage(ctx_.err, {link::text::kErrorCaption, link::text::kCannotWriteFile, "the file could not be written", path});
    failed = true;
  }
  Context& ctx_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  const PeerArgs& args_;
};

// One record a line (LF or CR LF); a record cannot hold a CR nor exceed 251 bytes.
bool loadRecords(const std::string& path, std::vector<Bytes>& records, std::ostream& err) {
  std::ifstream f(path, std::ios::binary);
  if (!f) {
    const Reason reason = fileReason(path);
    printMessage(err, {link::text::kErrorCaption, link::text::kCannotOpenFile, "cannot open the records file", path, &reason});
    return false;
  }
  const Bytes all{std::istreambuf_iterator<char>(f), {}};
  for (auto it = all.begin(); it != all.end();) {
    auto end = std::find(it, all.end(), 0x0A);
    Bytes record(it, end);
    if (!record.empty() && record.back() == 0x0D) record.pop_back();
    it = end == all.end() ? end : end + 1;
    if (std::find(record.begin(), record.end(), 0x0D) != record.end() ||
        record.size() > link::peer::kMaxRecordData) {
      const std::string n = std::to_string(records.size());
      printMessage(err, {link::text::kErrorCaption, "第" + n + "条记录含有CR或超过251字节",
                         "record " + n + " (from 0) holds a CR or is longer than 251 bytes", path});
      return false;
    }
    records.push_back(std::move(record));
  }
  return true;
}

link::peer::DownloadMode modeOf(const std::string& mode) {
  if (mode == "program") return link::peer::DownloadMode::Program;
  if (mode == "lookup") return link::peer::DownloadMode::Lookup;
  return link::peer::DownloadMode::Auto;
}

link::LineSettings lineAt(std::uint32_t baud) {
  link::LineSettings line;
  line.assign8N1(baud);
  line.dtrHigh = line.rtsHigh = true;
  return line;
}

// The longest single wait of the peer when nothing is due: bounds nothing but the turns.
constexpr std::uint32_t kIdleWaitMs = 1000;

// Steps the peer until its sessions are done or the line has been quiet too long (which
// it says; a failure only when --count sessions were asked for and have not ended).
bool servePeer(link::peer::TerminalPeer& peer, link::Clock& clock, const PeerArgs& args, std::ostream& err) {
  const auto timeoutMs = static_cast<std::uint32_t>(args.timeoutSec * 1000);
  for (;;) {
    peer.step();
    if (args.count > 0 && peer.sessionsEnded() >= args.count) return true;
    if (timeoutMs > 0 && link::elapsedMs(peer.lastByteMs(), clock.nowMs()) > timeoutMs) {
      std::string gloss = "timed out: no byte for " + std::to_string(timeoutMs / 1000.0).substr(0, 5) +
                          " s; " + std::to_string(peer.sessionsEnded()) + " sessions ended";
      if (args.count > 0) gloss += " of the " + std::to_string(args.count) + " asked for";
      printMessage(err, {"peer", link::text::kTimeOut, gloss, args.port});
      return args.count == 0;
    }
    // Until the next byte, the peer's own next deadline or the end of the quiet time allowed.
    const std::uint32_t quiet = link::elapsedMs(peer.lastByteMs(), clock.nowMs());
    peer.waitForInput(timeoutMs == 0 ? kIdleWaitMs : std::min(kIdleWaitMs, timeoutMs - quiet + 1));
  }
}

int runPeer(Context& ctx, PeerArgs& args) {
  if (args.once) args.count = 1;
  args.options.mode = modeOf(args.mode);
  args.options.keepAnswersWhileSending = args.whileSending == "keep";
  if (!args.recordsFile.empty() && !loadRecords(args.recordsFile, args.options.records, ctx.err))
    return kFailed;
  auto port = link::makeSystemSerialPort();
  if (!port || !port->open(args.port)) {
    const Reason reason = port ? portReason(port->lastOpenError()) : Reason{"没有串口", "no serial ports in this build"};
    printMessage(ctx.err, {link::text::kErrorCaption, link::text::kDownloadPortOpenFailed, "cannot open the port",
                           args.port, &reason});
    return kFailed;
  }
  if (!port->applyLineSettings(lineAt(args.baud))) {
    printMessage(ctx.err, {link::text::kErrorCaption, link::text::kDownloadLineSettingsFailed,
                           "the line settings could not be applied", args.port});
    return kFailed;
  }
  // Bytes an earlier run left on the line are no part of what comes next.
  port->purgeReceive();
  link::SystemClock clock;
  link::peer::PacedPort paced(*port, clock, args.baud);
  CommandSink sink(ctx, args);
  if (args.pace) sink.paced = &paced;
  link::SerialPort& line = args.pace ? static_cast<link::SerialPort&>(paced) : *port;
  link::peer::TerminalPeer peer(line, clock, args.options, sink);
  sink.note("listening on " + args.port);
  const bool done = servePeer(peer, clock, args, ctx.err);
  return done && !sink.failed ? kDone : kFailed;
}

}  // namespace

void addPeerCommand(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<PeerArgs>();
  CLI::App* cmd = app.add_subcommand("peer", "play the terminal (and IR transceiver) on a serial port");
  addPeerOptions(*cmd, *args);
  cmd->footer(kPeerFooter);
  onRun(cmd, ctx, [&ctx, args] { return runPeer(ctx, *args); });
}

}  // namespace k60::tool
