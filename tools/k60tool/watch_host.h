// What the ports of `k60tool watch` share: the event log, the names of the collected files,
// and the requests to stop.
#pragma once

#include <atomic>
#include <filesystem>
#include <mutex>
#include <ostream>
#include <set>
#include <string>
#include <string_view>

#include "link/port_watch.h"
#include "tools/k60tool/console_link_ui.h"

namespace k60::tool {

// "ttyUSB0" for "/dev/ttyUSB0", "COM3" for "\\.\COM3": the last part of a port's path, with
// what a file name cannot hold replaced by "_".
std::string portFileStem(std::string_view port);

class WatchHost final : public link::WatchHost {
 public:
  // Events go to `err` and, when given, to `log` too; files are written into `dir` (UTF-8).
  WatchHost(std::ostream& err, std::ostream* log, std::string dir, std::uint32_t intervalMs, bool once)
      : err_(err), log_(log), dir_(std::move(dir)), intervalMs_(intervalMs), once_(once) {}

  void report(const std::string& port, const link::WatchReport& report) override;
  std::string newCollectionPath(const std::string& port) override;
  // The first Ctrl+C or SIGTERM (see StopSignals) stops the polls, the second a collection.
  bool stopRequested() override { return StopSignals::received() > 0 || stopped_; }
  bool cancelRequested() override { return StopSignals::received() > 1; }

  // One line of the log: the time, the port (when there is one), the words and their gloss.
  void line(std::string_view port, std::string_view words, std::string_view gloss);
  // Ends the watch (none of the ports could be opened).
  void stop() { stopped_ = true; }
  // How many ports have been opened, and how many found unavailable before they ever were.
  int portsOpened() const { return opened_; }
  int portsNeverOpened() const { return neverOpened_; }

 private:
  // Keeps count of the ports opened, and of those found unavailable before they ever were.
  void countOpening(const std::string& port, bool opened);

  std::ostream& err_;
  std::ostream* log_;
  std::string dir_;
  std::uint32_t intervalMs_;
  bool once_;
  std::mutex mutex_;
  std::set<std::string> openedPorts_;
  std::set<std::filesystem::path> taken_;  // paths handed out, so that no two collections share one
  std::atomic<bool> stopped_ = false;
  std::atomic<int> opened_ = 0, neverOpened_ = 0;
};

}  // namespace k60::tool
