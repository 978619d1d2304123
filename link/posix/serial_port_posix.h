// The serial port on POSIX: a terminal device through termios, non-blocking.
#pragma once

#include <cstdint>
#include <string>

#include "link/serial_port.h"

namespace k60::link {

class PosixSerialPort : public SerialPort {
 public:
  PosixSerialPort() = default;
  ~PosixSerialPort() override;
  PosixSerialPort(const PosixSerialPort&) = delete;
  PosixSerialPort& operator=(const PosixSerialPort&) = delete;

  // Opens a terminal device (a serial port, a pty); refuses other files and a device that
  // another process holds open through this class.
  bool open(const std::string& name) override;
  bool setQueueSizes(std::uint32_t receive, std::uint32_t transmit) override;
  // Raw 8-N-1 at one of the five rates, no flow control; DTR and RTS where the device has
  // them (a pty has not, and that is no failure).
  bool applyLineSettings(const LineSettings& settings) override;
  bool setReadsReturnAtOnce() override;
  bool setTransferTimeouts() override;
  std::size_t write(std::span<const std::uint8_t> bytes) override;
  std::size_t read(std::span<std::uint8_t> buffer) override;
  // poll() on the device: wakes at the first byte, or after `ms` of the steady clock.
  bool waitForInput(Clock& clock, std::uint32_t ms) override;
  void purgeReceive() override;
  void close() override;
  bool isOpen() const override { return fd_ >= 0; }
  PortOpenError lastOpenError() const override { return openError_; }
  // Seen as a hang-up of the device in a wait, or as EIO from a read or write.
  bool deviceLost() const override { return lost_; }

 private:
  bool setModemLine(int line, bool high);

  bool failOpen(int fd, PortOpenError::Kind kind, int error);

  int fd_ = -1;
  PortOpenError openError_;
  bool lost_ = false;
};

}  // namespace k60::link
