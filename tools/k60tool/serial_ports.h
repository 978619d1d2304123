// The serial ports the system has, for `k60tool ports`.
#pragma once

#include <string>
#include <vector>

namespace k60::tool {

struct SerialPortInfo {
  std::string name;         // what --port takes: /dev/ttyUSB0, COM3
  std::string description;  // what the system says of it, when it says anything
};

// On Linux the devices of /dev/serial/by-id (named by their stable links) and the tty
// devices that answer as serial lines; on Windows the COM ports. Sorted by name.
std::vector<SerialPortInfo> listSerialPorts();

}  // namespace k60::tool
