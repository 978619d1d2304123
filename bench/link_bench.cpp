// Link benchmarks over a pty pair, the terminal peer paced at 115200 bit/s on its own
// thread: a program download, a 1,000-record collection, and a silent terminal.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "bench/peer_thread.h"
#include "bench/quiet_ui.h"
#include "link/collection.h"
#include "link/download.h"
#include "link/posix/serial_port_posix.h"
#include "template/defaults.h"

namespace k60::bench {
namespace {

constexpr std::uint32_t kBaud = 115200;

// The PC side of one command: the real port, clock and a user interface that says No.
struct PcSide {
  link::PosixSerialPort port;
  link::SystemClock clock;
  QuietUi ui;
  link::LineSettings line;
  link::LinkContext ctx{port, clock, ui, line};
};

// What a command costs the PC, summed over the iterations.
struct Costs {
  double wallMs = 0, cpuMs = 0;
  int succeeded = 0;

  template <typename Command>
  void measure(Command command) {
    const auto t0 = std::chrono::steady_clock::now();
    const double c0 = threadCpuMs();
    succeeded += command() ? 1 : 0;
    cpuMs += threadCpuMs() - c0;
    wallMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
  }
};

// Counters per iteration: wire-time bound of `lineBytes` (both directions, 10 bits a
// byte), wall time over that bound, CPU time of the PC side and of the peer.
void report(benchmark::State& state, const Costs& c, std::size_t lineBytes, double peerCpuMs) {
  const double n = static_cast<double>(state.iterations());
  const double wireMs = lineBytes * 10.0 * 1000.0 / kBaud;
  state.counters["wire_ms"] = wireMs;
  state.counters["wall_ms"] = c.wallMs / n;
  state.counters["wall/wire"] = c.wallMs / n / wireMs;
  state.counters["pc_cpu_ms"] = c.cpuMs / n;
  state.counters["peer_cpu_ms"] = peerCpuMs / n;
  state.counters["succeeded"] = c.succeeded / n;
}

link::LinkChoice choiceFor(const PtyPair& pair) {
  link::LinkChoice choice;
  choice.portName = pair.deviceName();
  choice.rateIndex = 0;  // 115200
  return choice;
}

// Downloads the default template's program to a peer with `options` at every iteration.
void benchmarkDownload(benchmark::State& state, const link::peer::PeerOptions& options,
                       std::size_t bytesOnTheLine) {
  PtyPair pair;
  PeerThread peer(pair, options, kBaud);
  Template t;
  resetToDefaults(t);
  Costs costs;
  for (auto _ : state) {
    PcSide pc;
    costs.measure([&] { return link::downloadProgram(pc.ctx, choiceFor(pair), t); });
  }
  peer.stop();
  report(state, costs, bytesOnTheLine, peer.cpuMs());
}

void BM_ProgramDownload(benchmark::State& state) {
  // "QUIBEL\r" and its "ACK\r", then 105 blocks of 103 bytes, each answered "ACK\r".
  benchmarkDownload(state, {.mode = link::peer::DownloadMode::Program}, 7 + 4 + 105 * (103 + 4));
}
BENCHMARK(BM_ProgramDownload)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

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
    costs.measure([&] {
      const auto r = link::collectData(pc.ctx, choiceFor(pair), out);
      return r.outcome == link::CollectionResult::Outcome::Collected && r.records == kRecords;
    });
  }
  peer.stop();
  std::remove(out.c_str());
  // "READ\r", "ACK\r"; each record line (sequence, data, 2 checksum bytes, CR) and its
  // "ACK\r"; "OVER\r".
  report(state, costs, 5 + 4 + kRecords * (kSize + 4 + 4) + 5, peer.cpuMs());
}
BENCHMARK(BM_Collection1000Records)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

void BM_SilentTerminalHandshake(benchmark::State& state) {
  link::peer::PeerOptions silent;
  silent.faults.silent = true;
  benchmarkDownload(state, silent, 3 * 7);  // three "QUIBEL\r", never answered
}
BENCHMARK(BM_SilentTerminalHandshake)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
}  // namespace k60::bench

BENCHMARK_MAIN();
