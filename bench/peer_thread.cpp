// Running the terminal peer on its own thread until stopped.
#include "bench/peer_thread.h"

#include <sys/prctl.h>

#include <ctime>

namespace k60::bench {
namespace {

constexpr std::uint32_t kStopCheckMs = 50;  // how soon stop() is seen

}  // namespace

double threadCpuMs() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

PeerThread::PeerThread(PtyPair& pair, link::peer::PeerOptions options, std::uint32_t baud)
    : master_(pair.masterFd()),
      paced_(master_, clock_, baud),
      peer_(paced_, clock_, std::move(options), *this),
      thread_([this] { run(); }) {}

PeerThread::~PeerThread() { stop(); }

void PeerThread::stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

void PeerThread::run() {
  // The peer stands for a cable: its sleeps until a byte has crossed should end on time,
  // not up to the default 50 us of timer slack later.
  prctl(PR_SET_TIMERSLACK, 1UL);
  const double start = threadCpuMs();
  while (!stop_) {
    peer_.step();
    peer_.waitForInput(kStopCheckMs);
    cpuMs_ = threadCpuMs() - start;
  }
}

}  // namespace k60::bench
