// The terminal peer on a thread of its own, paced like a cable, for the benchmarks.
#pragma once

#include <atomic>
#include <thread>

#include "bench/pty_pair.h"
#include "link/system_clock.h"
#include "link/terminal_peer.h"
#include "link/terminal_peer_paced_port.h"

namespace k60::bench {

class PeerThread : public link::peer::PeerSink {
 public:
  // Starts the peer on the pair's master end at `baud`.
  PeerThread(PtyPair& pair, link::peer::PeerOptions options, std::uint32_t baud);
  ~PeerThread() override;  // stops and joins

  // CPU time the peer's thread has spent, in milliseconds (after it stopped: final).
  double cpuMs() const { return cpuMs_.load(); }
  void stop();

  void programReceived(const link::peer::Bytes&) override {}
  void lookupReceived(const std::vector<link::peer::Bytes>&) override {}
  void collectionServed(int) override {}
  void downloadRefused(int) override {}
  void rateCommanded(std::uint32_t) override {}
  void note(const std::string&) override {}

 private:
  void run();

  MasterPort master_;
  link::SystemClock clock_;
  link::peer::PacedPort paced_;
  link::peer::TerminalPeer peer_;
  std::atomic<bool> stop_{false};
  std::atomic<double> cpuMs_{0};
  std::thread thread_;
};

// CPU time of the calling thread in milliseconds.
double threadCpuMs();

}  // namespace k60::bench
