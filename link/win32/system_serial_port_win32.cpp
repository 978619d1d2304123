// The platform's serial port on Windows: none in this build yet; callers say so and stop.
#include "link/system_serial_port.h"

namespace k60::link {

std::unique_ptr<SerialPort> makeSystemSerialPort() { return nullptr; }

}  // namespace k60::link
