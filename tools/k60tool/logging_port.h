// A serial port that logs what passes through it (k60tool's -v): every block written, with
// "again" for a resend, and every reply or record received, each with its time.
#pragma once

#include <chrono>
#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "link/serial_port.h"

namespace k60::tool {

class LoggingPort : public link::SerialPort {
 public:
  LoggingPort(link::SerialPort& port, std::ostream& log)
      : port_(port), log_(log), start_(std::chrono::steady_clock::now()) {}
  ~LoggingPort() override { flushReceived(); }

  link::PortOpenError lastOpenError() const override { return port_.lastOpenError(); }
  bool open(const std::string& name) override;
  bool setQueueSizes(std::uint32_t receive, std::uint32_t transmit) override {
    return port_.setQueueSizes(receive, transmit);
  }
  bool applyLineSettings(const link::LineSettings& settings) override;
  bool setReadsReturnAtOnce() override { return port_.setReadsReturnAtOnce(); }
  bool setTransferTimeouts() override { return port_.setTransferTimeouts(); }
  std::size_t write(std::span<const std::uint8_t> bytes) override;
  std::size_t read(std::span<std::uint8_t> buffer) override;
  bool waitForInput(link::Clock& clock, std::uint32_t ms) override { return port_.waitForInput(clock, ms); }
  void purgeReceive() override;
  void close() override;
  bool isOpen() const override { return port_.isOpen(); }

 private:
  std::ostream& stamp();
  void flushReceived();

  link::SerialPort& port_;
  std::ostream& log_;
  std::chrono::steady_clock::time_point start_;
  std::vector<std::uint8_t> lastWrite_, received_;
};

// Bytes as a person reads them: printable ASCII as it is, anything else as <XX>.
std::string readableBytes(std::span<const std::uint8_t> bytes, std::size_t limit = 40);

}  // namespace k60::tool
