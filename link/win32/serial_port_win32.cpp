// The Win32 serial port: CreateFileA, SetupComm, SetCommState, the comm time-outs, polled ReadFile.
#include "link/win32/serial_port_win32.h"

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
  if (!isOpen()) openError_ = portOpenErrorOf(GetLastError());
  return isOpen();
}

bool Win32SerialPort::setQueueSizes(std::uint32_t receive, std::uint32_t transmit) {
  return isOpen() && SetupComm(handle_, receive, transmit);
}

bool Win32SerialPort::applyLineSettings(const LineSettings& settings) {
  DCB dcb = dcbOf(settings);
  return isOpen() && SetCommState(handle_, &dcb);
}

bool Win32SerialPort::setReadsReturnAtOnce() {
  COMMTIMEOUTS timeouts{};
  if (!isOpen() || !GetCommTimeouts(handle_, &timeouts)) return false;
  timeouts.ReadIntervalTimeout = MAXDWORD;
  return SetCommTimeouts(handle_, &timeouts);
}

bool Win32SerialPort::setTransferTimeouts() {
  // MAXDWORD with zero totals: a read returns at once with what has arrived, possibly nothing.
  COMMTIMEOUTS timeouts{};
  timeouts.ReadIntervalTimeout = MAXDWORD;
  timeouts.WriteTotalTimeoutMultiplier = 5;
  timeouts.WriteTotalTimeoutConstant = 50;
  return isOpen() && SetCommTimeouts(handle_, &timeouts);
}

std::size_t Win32SerialPort::write(std::span<const std::uint8_t> bytes) {
  DWORD written = 0;
  if (!isOpen() || bytes.empty()) return 0;
  if (!WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) return 0;
  return written;
}

std::size_t Win32SerialPort::read(std::span<std::uint8_t> buffer) {
  if (!isOpen() || buffer.empty()) return 0;
  std::size_t n = 0;
  for (; n < buffer.size() && !waitedFor_.empty(); ++n) {
    buffer[n] = waitedFor_.front();
    waitedFor_.pop_front();
  }
  if (n == buffer.size()) return n;
  DWORD got = 0;
  if (!ReadFile(handle_, buffer.data() + n, static_cast<DWORD>(buffer.size() - n), &got, nullptr)) {
    clearLineError();
    return n;
  }
  return n + got;
}

// A line error (framing, overrun) blocks further reads until it is cleared; the protocol's
// time-outs and resends take care of the bytes lost.
void Win32SerialPort::clearLineError() {
  DWORD errors = 0;
  ClearCommError(handle_, &errors, nullptr);
}

bool Win32SerialPort::waitForInput(Clock&, std::uint32_t ms) {
  if (!isOpen()) return false;
  if (!waitedFor_.empty()) return true;
  DWORD errors = 0;
  COMSTAT status{};
  if (ClearCommError(handle_, &errors, &status) && status.cbInQue > 0) return true;
  if (ms == 0) return false;
  // Both read time-outs MAXDWORD with a total between: ReadFile returns as soon as a byte
  // has arrived, or empty after the total. (An overlapped WaitCommEvent would do too, but
  // under Wine it is itself a loop of 1 ms sleeps.) The port's own time-outs, which the
  // writes and the other reads rely on, are put back at once.
  COMMTIMEOUTS saved{};
  if (!GetCommTimeouts(handle_, &saved)) return false;
  COMMTIMEOUTS waiting = saved;
  waiting.ReadIntervalTimeout = MAXDWORD;
  waiting.ReadTotalTimeoutMultiplier = MAXDWORD;
  waiting.ReadTotalTimeoutConstant = ms < MAXDWORD ? ms : MAXDWORD - 1;
  if (!SetCommTimeouts(handle_, &waiting)) return false;
  std::uint8_t buffer[256];
  DWORD got = 0;
  if (!ReadFile(handle_, buffer, sizeof buffer, &got, nullptr)) clearLineError();
  SetCommTimeouts(handle_, &saved);
  waitedFor_.insert(waitedFor_.end(), buffer, buffer + got);
  return got > 0;
}

void Win32SerialPort::purgeReceive() {
  waitedFor_.clear();
  if (isOpen()) PurgeComm(handle_, PURGE_RXCLEAR);
}

void Win32SerialPort::close() {
  waitedFor_.clear();
  if (!isOpen()) return;
  CloseHandle(handle_);
  handle_ = INVALID_HANDLE_VALUE;
}

}  // namespace k60::link
