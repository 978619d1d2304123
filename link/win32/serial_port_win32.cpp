// The Win32 serial port: CreateFileA, SetupComm, SetCommState, the comm time-outs, polled ReadFile.
#include "link/win32/serial_port_win32.h"

#include <algorithm>

#include "link/system_serial_port.h"

namespace k60::link {

DCB dcbOf(const LineSettings& settings) {
  DCB dcb{};
  dcb.DCBlength = sizeof(DCB);
  dcb.BaudRate = settings.baudRate;
  dcb.ByteSize = settings.dataBits;
  // NOPARITY and ONESTOPBIT are both 0: an unassigned record also reads as no parity, 1 stop bit.
  dcb.Parity = NOPARITY;
  dcb.StopBits = ONESTOPBIT;
  dcb.fDtrControl = settings.dtrHigh ? DTR_CONTROL_ENABLE : DTR_CONTROL_DISABLE;
  dcb.fRtsControl = settings.rtsHigh ? RTS_CONTROL_ENABLE : RTS_CONTROL_DISABLE;
  // Windows takes only binary mode, and drivers (the USB serial one among them) refuse a
  // DCB whose XON and XOFF characters are equal, even with XON/XOFF off. The usual
  // characters change nothing on the line: fOutX and fInX stay 0.
  dcb.fBinary = TRUE;
  dcb.XonChar = 0x11;
  dcb.XoffChar = 0x13;
  return dcb;
}

Win32SerialPort::~Win32SerialPort() { close(); }

PortOpenError portOpenErrorOf(DWORD error) {
  using Kind = PortOpenError::Kind;
  PortOpenError result{Kind::Other, {}};
  switch (error) {
    case ERROR_FILE_NOT_FOUND: case ERROR_PATH_NOT_FOUND: case ERROR_BAD_UNIT: case ERROR_INVALID_NAME:
      result.kind = Kind::NoSuchDevice;
      break;
    // A port that another program holds open answers "access denied", not "busy".
    case ERROR_ACCESS_DENIED: case ERROR_SHARING_VIOLATION: case ERROR_BUSY:
      result.kind = Kind::Busy;
      break;
    default:
      break;
  }
  char text[256] = {};
  const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                                 MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), text, sizeof text, nullptr);
  result.systemText = n > 0 ? std::string(text, n) : "system error " + std::to_string(error);
  while (!result.systemText.empty() && (result.systemText.back() == '\n' || result.systemText.back() == '\r' ||
                                        result.systemText.back() == '.'))
    result.systemText.pop_back();
  return result;
}

bool Win32SerialPort::open(const std::string& name) {
  close();
  openError_ = {};
  handle_ = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (!isOpen()) {
    openError_ = portOpenErrorOf(GetLastError());
    return false;
  }
  // What the waits start from until the time-outs are set.
  GetCommTimeouts(handle_, &timeouts_);
  waitTimeoutsSet_ = false;
  return true;
}

bool Win32SerialPort::setQueueSizes(std::uint32_t receive, std::uint32_t transmit) {
  return isOpen() && SetupComm(handle_, receive, transmit);
}

bool Win32SerialPort::applyLineSettings(const LineSettings& settings) {
  DCB dcb = dcbOf(settings);
  return isOpen() && SetCommState(handle_, &dcb);
}

bool Win32SerialPort::setReadsReturnAtOnce() {
  if (!isOpen()) return false;
  COMMTIMEOUTS timeouts = timeouts_;  // as the port had them, not as a wait left them
  timeouts.ReadIntervalTimeout = MAXDWORD;
  return setTimeouts(timeouts);
}

bool Win32SerialPort::setTransferTimeouts() {
  // MAXDWORD with zero totals: a read returns at once with what has arrived, possibly nothing.
  COMMTIMEOUTS timeouts{};
  timeouts.ReadIntervalTimeout = MAXDWORD;
  timeouts.WriteTotalTimeoutMultiplier = 5;
  timeouts.WriteTotalTimeoutConstant = 50;
  return isOpen() && setTimeouts(timeouts);
}

bool Win32SerialPort::setTimeouts(const COMMTIMEOUTS& timeouts) {
  COMMTIMEOUTS copy = timeouts;
  if (!SetCommTimeouts(handle_, &copy)) return false;
  timeouts_ = timeouts;
  waitTimeoutsSet_ = false;
  return true;
}

std::size_t Win32SerialPort::write(std::span<const std::uint8_t> bytes) {
  DWORD written = 0;
  if (!isOpen() || bytes.empty()) return 0;
  if (!WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) return 0;
  return written;
}

std::size_t Win32SerialPort::read(std::span<std::uint8_t> buffer) {
  if (!isOpen() || buffer.empty()) return 0;
  // Only what the driver holds is asked for, so that ReadFile returns at once whatever
  // read time-outs are in force (a wait leaves its own in place for the next wait). One
  // ReadFile takes all of it, and the engines, which read a byte at a time, are served from
  // it: under Wine every call to the port is a round trip to its server.
  if (waitedFor_.empty()) {
    DWORD errors = 0;
    COMSTAT status{};
    if (!ClearCommError(handle_, &errors, &status)) lost_ = true;
    else if (status.cbInQue > 0) fetch(status.cbInQue);
  }
  std::size_t n = 0;
  for (; n < buffer.size() && !waitedFor_.empty(); ++n) {
    buffer[n] = waitedFor_.front();
    waitedFor_.pop_front();
  }
  return n;
}

// One ReadFile of up to `most` (at most 256) bytes under the time-outs in force, into what
// read() hands out next.
bool Win32SerialPort::fetch(DWORD most) {
  std::uint8_t buffer[256];
  DWORD got = 0;
  if (!ReadFile(handle_, buffer, std::min<DWORD>(most, sizeof buffer), &got, nullptr)) clearLineError();
  waitedFor_.insert(waitedFor_.end(), buffer, buffer + got);
  return got > 0;
}

// A line error (framing, overrun) blocks further reads until it is cleared; the protocol's
// time-outs and resends take care of the bytes lost. A port that cannot even be asked for
// its errors has gone away (an unplugged USB adapter).
void Win32SerialPort::clearLineError() {
  DWORD errors = 0;
  if (!ClearCommError(handle_, &errors, nullptr)) lost_ = true;
}

bool Win32SerialPort::waitForInput(Clock&, std::uint32_t ms) {
  if (!isOpen()) return false;
  if (!waitedFor_.empty()) return true;
  if (ms == 0) return false;
  if (lost_) {
    Sleep(ms);  // the device is gone: the caller's deadline bounds the wait, no spinning
    return false;
  }
  // A read of one byte under a total time-out of `ms` and no interval time-out: ReadFile
  // returns as soon as that byte has arrived, or empty at the deadline. (An interval time-out
  // would hold every wait for the line to fall quiet first; both read time-outs MAXDWORD,
  // which return at the first byte on Windows, wait out the total under Wine; and an
  // overlapped WaitCommEvent is, under Wine, itself a loop of 1 ms sleeps.) The write
  // time-outs stay as set; the read time-outs stay for the next wait, which mostly asks for
  // the same, since read() takes only what has arrived.
  COMMTIMEOUTS waiting = timeouts_;
  waiting.ReadIntervalTimeout = 0;
  waiting.ReadTotalTimeoutMultiplier = 0;
  waiting.ReadTotalTimeoutConstant = ms;
  if (!waitTimeoutsSet_ || inForce_.ReadTotalTimeoutConstant != ms) {
    COMMTIMEOUTS copy = waiting;
    if (!SetCommTimeouts(handle_, &copy)) return false;
    inForce_ = waiting;
    waitTimeoutsSet_ = true;
  }
  return fetch(1);
}

void Win32SerialPort::purgeReceive() {
  waitedFor_.clear();
  if (isOpen()) PurgeComm(handle_, PURGE_RXCLEAR);
}

void Win32SerialPort::close() {
  waitedFor_.clear();
  lost_ = false;
  if (!isOpen()) return;
  CloseHandle(handle_);
  handle_ = INVALID_HANDLE_VALUE;
}

// This platform's serial port.
std::unique_ptr<SerialPort> makeSystemSerialPort() { return std::make_unique<Win32SerialPort>(); }

}  // namespace k60::link
