// A pseudo-terminal pair for the benchmarks: the PC opens the device end by name, the
// terminal peer talks on the master end through MasterPort.
#pragma once

#include <string>

#include "link/serial_port.h"

namespace k60::bench {

class PtyPair {
 public:
  PtyPair();  // throws std::runtime_error when no pty can be made
  ~PtyPair();
  PtyPair(const PtyPair&) = delete;
  PtyPair& operator=(const PtyPair&) = delete;

  const std::string& deviceName() const { return device_; }
  int masterFd() const { return master_; }

 private:
  int master_ = -1;
  int keep_ = -1;  // holds the device end open between the PC's opens
  std::string device_;
};

// The master end as a serial port: non-blocking reads, writes that wait for room.
class MasterPort : public link::SerialPort {
 public:
  explicit MasterPort(int fd) : fd_(fd) {}
  bool open(const std::string&) override { return true; }
  bool setQueueSizes(std::uint32_t, std::uint32_t) override { return true; }
  bool applyLineSettings(const link::LineSettings&) override { return true; }
  bool setReadsReturnAtOnce() override { return true; }
  bool setTransferTimeouts() override { return true; }
  std::size_t write(std::span<const std::uint8_t> bytes) override;
  std::size_t read(std::span<std::uint8_t> buffer) override;
  bool waitForInput(link::Clock& clock, std::uint32_t ms) override;  // poll()
  void purgeReceive() override {}
  void close() override {}
  bool isOpen() const override { return true; }

 private:
  int fd_;
};

}  // namespace k60::bench
