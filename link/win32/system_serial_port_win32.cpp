// The platform's serial port on Windows: the comm API port.
#include "link/system_serial_port.h"

#include "link/win32/serial_port_win32.h"

namespace k60::link {

std::unique_ptr<SerialPort> makeSystemSerialPort() { return std::make_unique<Win32SerialPort>(); }

}  // namespace k60::link
