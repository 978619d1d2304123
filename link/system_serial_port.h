// The platform's serial port, for the programs that talk to a real device.
#pragma once

#include <memory>

#include "link/serial_port.h"

namespace k60::link {

// The port of this platform; nothing where this build has none.
std::unique_ptr<SerialPort> makeSystemSerialPort();

}  // namespace k60::link
