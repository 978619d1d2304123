// The Win32 port's DCB, member by member, and a port that is not open.
#ifdef _WIN32

#include "link/win32/serial_port_win32.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "link/virtual_clock.h"

namespace k60::link {
namespace {

// Every member but those named must stay as a zeroed DCB has it: no flow control of any
// kind, no DSR sensitivity, no error or null character handling.
void expectOnlyTheListedMembers(const DCB& dcb) {
  EXPECT_EQ(dcb.fOutxCtsFlow, 0u);
  EXPECT_EQ(dcb.fOutxDsrFlow, 0u);
  EXPECT_EQ(dcb.fDsrSensitivity, 0u);
  EXPECT_EQ(dcb.fTXContinueOnXoff, 0u);
  EXPECT_EQ(dcb.fOutX, 0u);
  EXPECT_EQ(dcb.fInX, 0u);
  EXPECT_EQ(dcb.fErrorChar, 0u);
  EXPECT_EQ(dcb.fNull, 0u);
  EXPECT_EQ(dcb.fAbortOnError, 0u);
  EXPECT_EQ(dcb.fParity, 0u);
  EXPECT_EQ(dcb.XonLim, 0);
  EXPECT_EQ(dcb.XoffLim, 0);
  EXPECT_EQ(dcb.ErrorChar, 0);
  EXPECT_EQ(dcb.EofChar, 0);
  EXPECT_EQ(dcb.EvtChar, 0);
}

TEST(Win32SerialPortDcb, CarriesTheRateEightNOneAndTheModemLinesAndNothingElse) {
  struct Case {
    LineSettings line;
    DWORD dtr, rts;
  };
  const std::array cases = {
      Case{{115200, 8, true, true, false, false}, DTR_CONTROL_DISABLE, RTS_CONTROL_DISABLE},
      Case{{9600, 8, true, true, true, true}, DTR_CONTROL_ENABLE, RTS_CONTROL_ENABLE},
      // Command mode of the IR transceiver: DTR high, RTS low.
      Case{{38400, 8, true, true, true, false}, DTR_CONTROL_ENABLE, RTS_CONTROL_DISABLE},
  };
  for (const Case& c : cases) {
    const DCB dcb = dcbOf(c.line);
    EXPECT_EQ(dcb.DCBlength, sizeof(DCB));
    EXPECT_EQ(dcb.BaudRate, c.line.baudRate);
    EXPECT_EQ(dcb.ByteSize, 8);
    EXPECT_EQ(dcb.Parity, NOPARITY);
    EXPECT_EQ(dcb.StopBits, ONESTOPBIT);
    EXPECT_EQ(dcb.fDtrControl, c.dtr);
    EXPECT_EQ(dcb.fRtsControl, c.rts);
    // Accepted by every driver: binary mode, XON and XOFF characters that differ.
    EXPECT_EQ(dcb.fBinary, 1u);
    EXPECT_NE(dcb.XonChar, dcb.XoffChar);
    expectOnlyTheListedMembers(dcb);
  }
}

TEST(Win32SerialPort, ANameWithNothingBehindItDoesNotOpenAndAClosedPortRefusesEverything) {
  Win32SerialPort port;
  EXPECT_FALSE(port.open("COM255"));
  EXPECT_FALSE(port.isOpen());
  EXPECT_FALSE(port.setQueueSizes(256, 1200));
  EXPECT_FALSE(port.applyLineSettings({115200, 8, true, true, false, false}));
  EXPECT_FALSE(port.setTransferTimeouts());
  EXPECT_FALSE(port.setReadsReturnAtOnce());
  const std::uint8_t byte = 0x0F;
  EXPECT_EQ(port.write({&byte, 1}), 0u);
  std::uint8_t buffer[4];
  EXPECT_EQ(port.read(buffer), 0u);
  port.purgeReceive();
  port.close();
}

TEST(Win32SerialPort, AClosedPortDoesNotWaitForInput) {
  Win32SerialPort port;
  VirtualClock clock;
  EXPECT_FALSE(port.waitForInput(clock, 10));
  std::uint8_t buffer[4];
  EXPECT_EQ(port.read(buffer), 0u);
}

}  // namespace
}  // namespace k60::link

#endif  // _WIN32
