// The serial-port seam: every protocol engine talks to the terminal through this.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "link/clock.h"

namespace k60::link {

// The line settings record kept for the whole process (the Win32 DCB's counterpart). It
// starts all zero and is never read back from the port; only these members are assigned.
struct LineSettings {
  std::uint32_t baudRate = 0;
  std::uint8_t dataBits = 0;  // 8 once a transfer has assigned it
  bool parityNone = false;    // true: no parity (assigned with the data bits)
  bool oneStopBit = false;
  bool dtrHigh = false;  // both lines low until the first IR transceiver command
  bool rtsHigh = false;

  // What every transfer runs at: `baud`, 8 data bits, no parity, one stop bit.
  void assign8N1(std::uint32_t baud) {
    baudRate = baud;
    dataBits = 8;
    parityNone = oneStopBit = true;
  }
};

// Why a port could not be opened, as far as the system says.
struct PortOpenError {
  enum class Kind { None, NoSuchDevice, Busy, PermissionDenied, NotSerialLine, Other };
  Kind kind = Kind::None;
  std::string systemText;  // the system's own description (English), for Other
};

class SerialPort {
 public:
  virtual ~SerialPort() = default;

  // Why the last open() failed; Kind::None where the port cannot tell.
  virtual PortOpenError lastOpenError() const { return {}; }

  // Opens an existing device by name, exclusively, for reading and writing.
  virtual bool open(const std::string& name) = 0;
  // Driver queue sizes where the platform has them; true where it has not.
  virtual bool setQueueSizes(std::uint32_t receive, std::uint32_t transmit) = 0;
  // Applies the whole record: rate, 8-N-1, DTR and RTS, no flow control of any kind.
  virtual bool applyLineSettings(const LineSettings& settings) = 0;
  // IR set-up: reads return at once; the other time-outs stay as the port had them.
  virtual bool setReadsReturnAtOnce() = 0;
  // Transfers: reads return at once; writes take at most 5 ms per byte plus 50 ms.
  virtual bool setTransferTimeouts() = 0;
  // Writes within the write time-out; returns the number of bytes written.
  virtual std::size_t write(std::span<const std::uint8_t> bytes) = 0;
  // Returns at once with whatever has arrived, up to buffer.size() bytes (possibly none).
  virtual std::size_t read(std::span<std::uint8_t> buffer) = 0;
  // Waits until a byte can be read or `ms` milliseconds of `clock` have passed, whichever
  // comes first; true when a byte can be read. It may return earlier without one (a signal,
  // a port that cannot wait): callers check their deadline and call again. This one only
  // idles the clock once, for ports that have no way to wait on their input.
  virtual bool waitForInput(Clock& clock, std::uint32_t ms) {
    if (ms > 0) clock.idle();
    return false;
  }
  // Drops every byte received and not yet read.
  virtual void purgeReceive() = 0;
  virtual void close() = 0;
  virtual bool isOpen() const = 0;
  // True once the device has gone away while open (a USB adapter unplugged, the far end of
  // a pty closed): nothing more will come until it is closed and opened again.
  virtual bool deviceLost() const { return false; }
};

}  // namespace k60::link
