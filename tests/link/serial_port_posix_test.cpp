// The POSIX serial port over a pseudo-terminal pair: the port opens the pty's device end,
// the test plays the far end on the master.
#ifndef _WIN32

#include "link/posix/serial_port_posix.h"
#include "link/virtual_clock.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <fstream>
#include <string>

namespace k60::link {
namespace {

class PtyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(master_, 0);
    ASSERT_EQ(grantpt(master_), 0);
    ASSERT_EQ(unlockpt(master_), 0);
    device_ = ptsname(master_);
    // Keeps the device end alive between the port's opens.
    keep_ = ::open(device_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(keep_, 0);
  }
  void TearDown() override {
    ::close(keep_);
    ::close(master_);
  }
  std::string readMaster() {
    std::array<char, 512> buf{};
    std::string s;
    for (int tries = 0; tries < 200; ++tries) {
      const ssize_t n = ::read(master_, buf.data(), buf.size());
      if (n > 0) s.append(buf.data(), static_cast<std::size_t>(n));
      else if (!s.empty()) break;
      else usleep(1000);
    }
    return s;
  }
  std::size_t readPort(PosixSerialPort& port, std::string& into) {
    std::array<std::uint8_t, 64> buf{};
    std::size_t total = 0;
    for (int tries = 0; tries < 200; ++tries) {
      const std::size_t n = port.read(buf);
      into.append(buf.begin(), buf.begin() + n);
      total += n;
      if (n == 0 && total > 0) break;
      usleep(1000);
    }
    return total;
  }

  int master_ = -1, keep_ = -1;
  std::string device_;
};

LineSettings line(std::uint32_t baud) {
  LineSettings s;
  s.baudRate = baud;
  s.dataBits = 8;
  s.parityNone = true;
  s.oneStopBit = true;
  s.dtrHigh = s.rtsHigh = true;  // a pty has no modem lines: no failure for that
  return s;
}

TEST_F(PtyTest, OpensOnlyTerminalDevicesAndOnlyOnce) {
  PosixSerialPort port, second;
  EXPECT_FALSE(port.open("/nonexistent/ttyK60"));
  const std::string plain = testing::TempDir() + "k60_not_a_tty";
  std::ofstream(plain) << "x";
  EXPECT_FALSE(port.open(plain));
  EXPECT_FALSE(port.isOpen());
  ASSERT_TRUE(port.open(device_));
  EXPECT_TRUE(port.isOpen());
  EXPECT_FALSE(second.open(device_));
  port.close();
  EXPECT_FALSE(port.isOpen());
  EXPECT_TRUE(second.open(device_));
}

TEST_F(PtyTest, AppliesRaw8N1WithoutFlowControlAtTheFiveRates) {
  PosixSerialPort port;
  ASSERT_TRUE(port.open(device_));
  EXPECT_FALSE(port.applyLineSettings(line(1234)));
  EXPECT_FALSE(port.applyLineSettings(line(0)));
  for (std::uint32_t baud : {9600u, 19200u, 38400u, 57600u}) EXPECT_TRUE(port.applyLineSettings(line(baud)));
  ASSERT_TRUE(port.applyLineSettings(line(115200)));
  termios tio{};
  ASSERT_EQ(tcgetattr(keep_, &tio), 0);
  EXPECT_EQ(cfgetospeed(&tio), static_cast<speed_t>(B115200));
  EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
  EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | IXANY | ICRNL), 0u);
  EXPECT_EQ(tio.c_lflag & (ICANON | ECHO), 0u);
  EXPECT_EQ(tio.c_oflag & OPOST, 0u);
}

TEST_F(PtyTest, MovesEveryByteValueBothWaysAndReadsDoNotWait) {
  PosixSerialPort port;
  ASSERT_TRUE(port.open(device_));
  ASSERT_TRUE(port.applyLineSettings(line(115200)));
  std::array<std::uint8_t, 16> buf{};
  EXPECT_EQ(port.read(buf), 0u);  // nothing has arrived

  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(all.data()), all.size());
  EXPECT_EQ(port.write(bytes), 256u);
  EXPECT_EQ(readMaster(), all);

  ASSERT_EQ(::write(master_, all.data(), all.size()), 256);
  std::string got;
  readPort(port, got);
  EXPECT_EQ(got, all);
}

TEST_F(PtyTest, WaitForInputWakesForAByteAndOtherwiseGivesUp) {
  PosixSerialPort port;
  VirtualClock clock;  // unused by the real port, which waits on the device
  EXPECT_FALSE(port.waitForInput(clock, 1));  // not open
  ASSERT_TRUE(port.open(device_));
  ASSERT_TRUE(port.applyLineSettings(line(115200)));
  EXPECT_FALSE(port.waitForInput(clock, 1));  // nothing on the line
  ASSERT_EQ(::write(master_, "A", 1), 1);
  // The limit is far beyond the test's time-out: only the byte can end this wait.
  EXPECT_TRUE(port.waitForInput(clock, 600'000));
  std::array<std::uint8_t, 4> buf{};
  EXPECT_EQ(port.read(buf), 1u);
  EXPECT_EQ(buf[0], 'A');
}

TEST_F(PtyTest, PurgeDropsWhatArrivedAndNothingLater) {
  PosixSerialPort port;
  ASSERT_TRUE(port.open(device_));
  ASSERT_TRUE(port.applyLineSettings(line(115200)));
  ASSERT_EQ(::write(master_, "stale", 5), 5);
  usleep(20000);
  port.purgeReceive();
  ASSERT_EQ(::write(master_, "ACK\r", 4), 4);
  std::string got;
  readPort(port, got);
  EXPECT_EQ(got, "ACK\r");
}

TEST_F(PtyTest, WriteGivesUpWhenTheLineStaysBlocked) {
  // Fill the device's output queue while nobody reads the far end; the kernel moves bytes
  // on to the master's side for a while, so fill until it stays full.
  const char block[256] = {};
  for (int quietRounds = 0; quietRounds < 3;) {
    bool wrote = false;
    while (::write(keep_, block, sizeof block) > 0) wrote = true;
    quietRounds = wrote ? 0 : quietRounds + 1;
    usleep(10000);
  }
  PosixSerialPort port;
  ASSERT_TRUE(port.open(device_));
  const std::uint8_t one = 0x41;
  EXPECT_EQ(port.write(std::span(&one, 1)), 0u);  // returns after its bound, not never
}

}  // namespace
}  // namespace k60::link

#endif
