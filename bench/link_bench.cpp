// Link benchmarks over a pty pair, the terminal peer paced like a cable on its own thread:
// program downloads at 115200 and 9600 bit/s, a 1 MB lookup file, a 1,000-record
// collection, and a silent terminal.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "bench/peer_thread.h"
#include "link/quiet_ui.h"
#include "link/collection.h"
#include "link/download.h"
#include "link/lookup_transfer.h"
#include "link/posix/serial_port_posix.h"
#include "template/defaults.h"

namespace k60::bench {
namespace {

constexpr std::uint32_t kBaud = 115200;

// The PC's port, counting every byte that crosses the line in either direction.
class CountingPort : public link::PosixSerialPort {
 public:
  std::size_t lineBytes = 0;
  std::size_t write(std::span<const std::uint8_t> bytes) override {
    const std::size_t n = PosixSerialPort::write(bytes);
    lineBytes += n;
    return n;
  }
  std::size_t read(std::span<std::uint8_t> buffer) override {
    const std::size_t n = PosixSerialPort::read(buffer);
    lineBytes += n;
    return n;
  }
};

// The PC side of one command: the real port, clock and a user interface that says No.
struct PcSide {
  CountingPort port;
  link::SystemClock clock;
  link::QuietUi ui;
  link::LineSettings line;
  link::LinkContext ctx{port, clock, ui, line};
};

// What a command costs the PC, summed over the iterations.
struct Costs {
  double wallMs = 0, cpuMs = 0;
  std::size_t lineBytes = 0;
  int succeeded = 0;

  template <typename Command>
  void measure(PcSide& pc, Command command) {
    const auto t0 = std::chrono::steady_clock::now();
    const double c0 = threadCpuMs();
    succeeded += command() ? 1 : 0;
    cpuMs += threadCpuMs() - c0;
    wallMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    lineBytes += pc.port.lineBytes;
  }
};

// Counters per iteration: the wire-time bound of the bytes that crossed the line (both
// directions, 10 bits a byte), wall time over that bound, and the CPU time of the PC side
// and of the peer, also as a share of one core over the wall time.
void report(benchmark::State& state, const Costs& c, std::uint32_t baud, double peerCpuMs) {
  const double n = static_cast<double>(state.iterations());
  const double wireMs = c.lineBytes / n * 10.0 * 1000.0 / baud;
  state.counters["line_bytes"] = c.lineBytes / n;
  state.counters["wire_ms"] = wireMs;
  state.counters["wall_ms"] = c.wallMs / n;
  state.counters["wall/wire"] = c.wallMs / n / wireMs;
  state.counters["pc_cpu_ms"] = c.cpuMs / n;
  state.counters["pc_core_%"] = 100.0 * c.cpuMs / c.wallMs;
  state.counters["peer_core_%"] = 100.0 * peerCpuMs / c.wallMs;
  state.counters["succeeded"] = c.succeeded / n;
}

link::LinkChoice choiceFor(const PtyPair& pair, std::uint32_t baud) {
  link::LinkChoice choice;
  choice.portName = pair.deviceName();
  choice.rateIndex = *link::rateIndexOf(baud);
  return choice;
}

// Downloads the default template's program to a peer with `options` at every iteration.
void benchmarkDownload(benchmark::State& state, const link::peer::PeerOptions& options, std::uint32_t baud) {
  PtyPair pair;
  PeerThread peer(pair, options, baud);
  Template t;
  resetToDefaults(t);
  t.setComRate(static_cast<std::uint8_t>(*link::rateIndexOf(baud)));
  Costs costs;
  for (auto _ : state) {
    PcSide pc;
    costs.measure(pc, [&] { return link::downloadProgram(pc.ctx, choiceFor(pair, baud), t); });
  }
  peer.stop();
  report(state, costs, baud, peer.cpuMs());
}

// "QUIBEL\r" and its "ACK\r", then 105 blocks of 103 bytes, each answered "ACK\r".
void BM_ProgramDownload(benchmark::State& state) {
  benchmarkDownload(state, {.mode = link::peer::DownloadMode::Program}, kBaud);
}
BENCHMARK(BM_ProgramDownload)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_ProgramDownload9600(benchmark::State& state) {
  benchmarkDownload(state, {.mode = link::peer::DownloadMode::Program}, 9600);
}
BENCHMARK(BM_ProgramDownload9600)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// A lookup file of 1 MB: lines of 100 bytes (a 10-digit key and text), each one block.
void BM_LookupFile1MB(benchmark::State& state) {
  std::vector<std::uint8_t> file;
  for (int i = 0; file.size() < 1'000'000; ++i) {
    std::string line = std::to_string(1'000'000'000 + i) + " ";
    line.resize(98, 'x');
    line += "\r\n";
    file.insert(file.end(), line.begin(), line.end());
  }
  PtyPair pair;
  PeerThread peer(pair, {.mode = link::peer::DownloadMode::Lookup}, kBaud);
  Costs costs;
  for (auto _ : state) {
    PcSide pc;
    costs.measure(pc, [&] {
      return link::downloadLookupBytes(pc.ctx, choiceFor(pair, kBaud), file, link::LookupEncoding::Gb2312);
    });
  }
  peer.stop();
  report(state, costs, kBaud, peer.cpuMs());
}
BENCHMARK(BM_LookupFile1MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

link::peer::PeerOptions recordsOf(int count, std::size_t size) {
  link::peer::PeerOptions options;
  for (int i = 0; i < count; ++i) {
    std::string data = "record " + std::to_string(i) + " ";
    data.resize(size, 'x');
    options.records.emplace_back(data.begin(), data.end());
  }
  return options;
}

void BM_Collection1000Records(benchmark::State& state) {
  constexpr int kRecords = 1000;
  constexpr std::size_t kSize = 40;
  PtyPair pair;
  PeerThread peer(pair, recordsOf(kRecords, kSize), kBaud);
  const std::string out = "/tmp/k60_bench_collected_" + std::to_string(::getpid()) + ".txt";
  Costs costs;
  for (auto _ : state) {
    PcSide pc;
    costs.measure(pc, [&] {
      const auto r = link::collectData(pc.ctx, choiceFor(pair, kBaud), out);
      return r.outcome == link::CollectionResult::Outcome::Collected && r.records == kRecords;
    });
  }
  peer.stop();
  std::remove(out.c_str());
  report(state, costs, kBaud, peer.cpuMs());
}
BENCHMARK(BM_Collection1000Records)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

void BM_SilentTerminalHandshake(benchmark::State& state) {
  link::peer::PeerOptions silent;
  silent.faults.silent = true;
  benchmarkDownload(state, silent, kBaud);  // three "QUIBEL\r", never answered
}
BENCHMARK(BM_SilentTerminalHandshake)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
}  // namespace k60::bench

BENCHMARK_MAIN();
