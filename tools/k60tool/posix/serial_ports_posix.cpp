// The serial ports of a Linux system: /dev/serial/by-id and the tty class in sysfs.
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <system_error>

#include "tools/k60tool/serial_ports.h"

namespace k60::tool {
namespace {

namespace fs = std::filesystem;

// A tty device answers as a serial line when it opens and takes termios calls. A legacy
// 8250 port without hardware (ttyS1..ttyS31 on most PCs) opens but fails with EIO.
bool answersAsSerialLine(const std::string& device) {
  const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return errno == EBUSY || errno == EACCES;  // there, but held or not ours
  termios tio{};
  int lines = 0;
  const bool ok = tcgetattr(fd, &tio) == 0 && (ioctl(fd, TIOCMGET, &lines) == 0 || errno != EIO);
  ::close(fd);
  return ok;
}

}  // namespace

std::vector<SerialPortInfo> listSerialPorts() {
  std::map<std::string, std::string> found;  // device -> description
  std::error_code error;
  // The stable names of USB adapters and cradles, which say what the device is.
  for (const auto& entry : fs::directory_iterator("/dev/serial/by-id", error)) {
    const fs::path target = fs::canonical(entry.path(), error);
    if (!error) found[target.string()] = entry.path().string();
  }
  // Every tty that a driver for real hardware owns (virtual consoles have no device link).
  for (const auto& entry : fs::directory_iterator("/sys/class/tty", error)) {
    if (!fs::exists(entry.path() / "device", error)) continue;
    const std::string device = "/dev/" + entry.path().filename().string();
    if (found.count(device) == 0 && answersAsSerialLine(device)) found[device] = "";
  }
  std::vector<SerialPortInfo> ports;
  for (const auto& [device, description] : found) ports.push_back({device, description});
  return ports;
}

}  // namespace k60::tool
