// The POSIX serial port: termios line settings, modem-control ioctls, polled writes.
#include "link/posix/serial_port_posix.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include "link/system_serial_port.h"

namespace k60::link {
namespace {

// The termios constant of one of the five rates; 0 for any other rate.
speed_t speedOf(std::uint32_t baud) {
  switch (baud) {
    case 115200: return B115200;
    case 57600: return B57600;
    case 38400: return B38400;
    case 19200: return B19200;
    case 9600: return B9600;
    default: return 0;
  }
}

void makeRaw8N1(termios& tio) {
  cfmakeraw(&tio);
  tio.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
  tio.c_cflag |= CS8 | CLOCAL | CREAD;
  tio.c_iflag &= ~(IXON | IXOFF | IXANY);
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
}

// Errors of a device that has gone away (hung up, unplugged, its pty master closed).
bool isGone(int error) { return error == EIO || error == ENXIO || error == ENODEV; }

// The write bound: 5 ms per byte plus 50 ms.
std::chrono::milliseconds writeBound(std::size_t bytes) {
  return std::chrono::milliseconds(5 * static_cast<long long>(bytes) + 50);
}

}  // namespace

PosixSerialPort::~PosixSerialPort() { close(); }

bool PosixSerialPort::open(const std::string& name) {
  close();
  openError_ = {};
  const int fd = ::open(name.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return failOpen(-1, PortOpenError::Kind::Other, errno);
  termios tio{};
  if (tcgetattr(fd, &tio) != 0) return failOpen(fd, PortOpenError::Kind::NotSerialLine, errno);
  // TIOCEXCL keeps other openers out (except root); the lock also keeps out root processes
  // that use this class.
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) return failOpen(fd, PortOpenError::Kind::Busy, errno);
  ioctl(fd, TIOCEXCL);
  fd_ = fd;
  return true;
}

bool PosixSerialPort::failOpen(int fd, PortOpenError::Kind kind, int error) {
  if (fd >= 0) ::close(fd);
  if (kind == PortOpenError::Kind::Other) {
    if (error == ENOENT || error == ENODEV || error == ENXIO) kind = PortOpenError::Kind::NoSuchDevice;
    else if (error == EACCES || error == EPERM) kind = PortOpenError::Kind::PermissionDenied;
    else if (error == EBUSY) kind = PortOpenError::Kind::Busy;  // TIOCEXCL of another process
  }
  openError_ = {kind, std::strerror(error)};
  return false;
}

bool PosixSerialPort::setQueueSizes(std::uint32_t, std::uint32_t) { return isOpen(); }

bool PosixSerialPort::applyLineSettings(const LineSettings& settings) {
  const speed_t speed = speedOf(settings.baudRate);
  termios tio{};
  if (!isOpen() || speed == 0 || tcgetattr(fd_, &tio) != 0) return false;
  makeRaw8N1(tio);
  if (cfsetispeed(&tio, speed) != 0 || cfsetospeed(&tio, speed) != 0) return false;
  if (tcsetattr(fd_, TCSANOW, &tio) != 0) return false;
  setModemLine(TIOCM_DTR, settings.dtrHigh);
  setModemLine(TIOCM_RTS, settings.rtsHigh);
  return true;
}

bool PosixSerialPort::setModemLine(int line, bool high) {
  return ioctl(fd_, high ? TIOCMBIS : TIOCMBIC, &line) == 0;
}

// Reads never block on this port, whatever the time-out settings ask.
bool PosixSerialPort::setReadsReturnAtOnce() { return isOpen(); }

// Writes are always bounded by 5 ms per byte plus 50 ms.
bool PosixSerialPort::setTransferTimeouts() { return isOpen(); }

std::size_t PosixSerialPort::write(std::span<const std::uint8_t> bytes) {
  using Clock = std::chrono::steady_clock;
  if (!isOpen()) return 0;
  const auto deadline = Clock::now() + writeBound(bytes.size());
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
      lost_ = lost_ || isGone(errno);
      break;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) break;
    pollfd p{fd_, POLLOUT, 0};
    ::poll(&p, 1, static_cast<int>(left.count()));
  }
  return done;
}

std::size_t PosixSerialPort::read(std::span<std::uint8_t> buffer) {
  if (!isOpen() || buffer.empty()) return 0;
  const ssize_t n = ::read(fd_, buffer.data(), buffer.size());
  if (n < 0) lost_ = lost_ || isGone(errno);
  return n > 0 ? static_cast<std::size_t>(n) : 0;  // nothing yet, or the far end is gone
}

bool PosixSerialPort::waitForInput(Clock&, std::uint32_t ms) {
  if (!isOpen()) return false;
  pollfd p{fd_, POLLIN, 0};
  // A device that is gone reports POLLHUP or POLLERR at once (an unplugged adapter with
  // POLLIN too, although reads give nothing); the caller's deadline still bounds the wait,
  // so sleep out the time rather than spin on it. Bytes that came before are still read.
  const int n = ::poll(&p, 1, static_cast<int>(std::min<std::uint32_t>(ms, 60'000)));
  if (n > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL))) lost_ = true;
  if (n > 0 && (p.revents & POLLIN) && !lost_) return true;
  if (n > 0 && ms > 0) ::poll(nullptr, 0, static_cast<int>(std::min<std::uint32_t>(ms, 60'000)));
  return false;
}

void PosixSerialPort::purgeReceive() {
  if (isOpen()) tcflush(fd_, TCIFLUSH);
}

void PosixSerialPort::close() {
  lost_ = false;
  if (!isOpen()) return;
  ::close(fd_);  // also drops the lock
  fd_ = -1;
}

// This platform's serial port.
std::unique_ptr<SerialPort> makeSystemSerialPort() { return std::make_unique<PosixSerialPort>(); }

}  // namespace k60::link
