// Making a pty pair in raw mode, and the master end's port.
#include "bench/pty_pair.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace k60::bench {

PtyPair::PtyPair() {
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
    throw std::runtime_error("cannot make a pty pair");
  device_ = ptsname(master_);
  keep_ = ::open(device_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  termios tio{};
  if (keep_ < 0 || tcgetattr(keep_, &tio) != 0) throw std::runtime_error("cannot open " + device_);
  cfmakeraw(&tio);
  tcsetattr(keep_, TCSANOW, &tio);
}

PtyPair::~PtyPair() {
  if (keep_ >= 0) ::close(keep_);
  if (master_ >= 0) ::close(master_);
}

std::size_t MasterPort::write(std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
      break;
    } else {
      pollfd p{fd_, POLLOUT, 0};
      if (::poll(&p, 1, 100) <= 0) break;
    }
  }
  return done;
}

std::size_t MasterPort::read(std::span<std::uint8_t> buffer) {
  const ssize_t n = ::read(fd_, buffer.data(), buffer.size());
  return n > 0 ? static_cast<std::size_t>(n) : 0;
}

bool MasterPort::waitForInput(link::Clock&, std::uint32_t ms) {
  pollfd p{fd_, POLLIN, 0};
  return ::poll(&p, 1, static_cast<int>(ms)) > 0 && (p.revents & POLLIN);
}

}  // namespace k60::bench
