// The platform's serial port on POSIX: termios.
#include "link/posix/serial_port_posix.h"
#include "link/system_serial_port.h"

namespace k60::link {

std::unique_ptr<SerialPort> makeSystemSerialPort() { return std::make_unique<PosixSerialPort>(); }

}  // namespace k60::link
