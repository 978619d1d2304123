// A port that moves bytes no faster than a bit rate allows (10 bits a byte), so that a pty
// pair takes as long as a cable would.
#pragma once

#include <cstdint>
#include <deque>

#include "link/clock.h"
#include "link/serial_port.h"

namespace k60::link::peer {

// One direction of the line: when each byte given to it has finished crossing.
class LinePacer {
 public:
  explicit LinePacer(std::uint32_t baud) : baud_(baud) {}
  void setBaud(std::uint32_t baud) { baud_ = baud; }
  // Nanoseconds on the line's own scale for a clock reading in microseconds.
  std::uint64_t nowNs(std::uint64_t nowUs);
  // Puts one byte on the line no earlier than `nowNs`; returns when it has crossed.
  std::uint64_t schedule(std::uint64_t nowNs);

 private:
  std::uint32_t baud_;
  bool started_ = false;
  std::uint64_t originUs_ = 0;
  std::uint64_t busyUntilNs_ = 0;
};

class PacedPort : public SerialPort {
 public:
  PacedPort(SerialPort& inner, Clock& clock, std::uint32_t baud)
      : inner_(inner), clock_(clock), in_(baud), out_(baud) {}
  // The IR transceiver was commanded to a new rate: bytes from now on cross at it.
  void setBaud(std::uint32_t baud);

  bool open(const std::string& name) override { return inner_.open(name); }
  bool setQueueSizes(std::uint32_t r, std::uint32_t t) override { return inner_.setQueueSizes(r, t); }
  bool applyLineSettings(const LineSettings& s) override { return inner_.applyLineSettings(s); }
  bool setReadsReturnAtOnce() override { return inner_.setReadsReturnAtOnce(); }
  bool setTransferTimeouts() override { return inner_.setTransferTimeouts(); }
  // Hands each byte on once it would have crossed; returns after the last.
  std::size_t write(std::span<const std::uint8_t> bytes) override;
  // Returns the bytes that would have crossed by now, counted from when they were first
  // seen (never earlier than a cable would deliver them).
  std::size_t read(std::span<std::uint8_t> buffer) override;
  // Sleeps until the first byte on the line has crossed, or waits on the inner port when
  // none is on its way; at most `ms`.
  bool waitForInput(Clock& clock, std::uint32_t ms) override;
  void purgeReceive() override;
  void close() override { inner_.close(); }
  bool isOpen() const override { return inner_.isOpen(); }

 private:
  struct Crossing {
    std::uint64_t doneNs;
    std::uint8_t byte;
  };
  void takeArrivals();

  SerialPort& inner_;
  Clock& clock_;
  LinePacer in_, out_;
  std::deque<Crossing> crossing_;  // received from the inner port, still on the line
};

}  // namespace k60::link::peer
