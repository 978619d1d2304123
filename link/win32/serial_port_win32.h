// The serial port on Windows: a COM device through the comm API, polled without overlapped I/O.
#pragma once

#include <windows.h>

#include <cstdint>
#include <deque>
#include <string>

#include "link/serial_port.h"

namespace k60::link {

class Win32SerialPort : public SerialPort {
 public:
  Win32SerialPort() = default;
  ~Win32SerialPort() override;
  Win32SerialPort(const Win32SerialPort&) = delete;
  Win32SerialPort& operator=(const Win32SerialPort&) = delete;

  // Opens "COM1".."COM6" (any device name the system knows) exclusively.
  bool open(const std::string& name) override;
  bool setQueueSizes(std::uint32_t receive, std::uint32_t transmit) override;
  bool applyLineSettings(const LineSettings& settings) override;
  bool setReadsReturnAtOnce() override;
  bool setTransferTimeouts() override;
  std::size_t write(std::span<const std::uint8_t> bytes) override;
  std::size_t read(std::span<std::uint8_t> buffer) override;
  // A ReadFile under comm time-outs that return at the first byte or after `ms`; the bytes
  // it takes are kept for the next read().
  bool waitForInput(Clock& clock, std::uint32_t ms) override;
  void purgeReceive() override;
  void close() override;
  bool isOpen() const override { return handle_ != INVALID_HANDLE_VALUE; }
  PortOpenError lastOpenError() const override { return openError_; }
  // Seen as a ReadFile that fails while ClearCommError fails too (the device is gone).
  bool deviceLost() const override { return lost_; }

 private:
  // A failed ReadFile: clears the line error that would block further reads.
  void clearLineError();
  bool fetch(DWORD most);
  // Sets the port's comm time-outs and keeps them, for the waits to start from.
  bool setTimeouts(const COMMTIMEOUTS& timeouts);

  HANDLE handle_ = INVALID_HANDLE_VALUE;
  PortOpenError openError_;
  std::deque<std::uint8_t> waitedFor_;  // taken from the port, not yet read
  COMMTIMEOUTS timeouts_{};  // the port's comm time-outs: as opened, or as last set
  // A wait's read time-outs, left in force for the next wait (reads do not depend on them).
  COMMTIMEOUTS inForce_{};
  bool waitTimeoutsSet_ = false;
  bool lost_ = false;
};

// What an error code of CreateFileA on a port means to the user.
PortOpenError portOpenErrorOf(DWORD error);

// The DCB that the line settings stand for: all zero but for its length, the rate, 8-N-1,
// the DTR and RTS control, binary mode and the (unused) XON/XOFF characters. No flow
// control, no error or null character handling.
DCB dcbOf(const LineSettings& settings);

}  // namespace k60::link
