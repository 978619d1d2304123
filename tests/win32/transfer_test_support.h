// A scripted terminal behind the transfer commands: the program's port and clock seams
// pointed at a ScriptedPort and a virtual clock that the test owns.
#pragma once

#include <windows.h>

#include <memory>

#include "tests/link/scripted_port.h"
#include "tests/win32/modal_driver.h"
#include "tests/win32/shell_fixture.h"

namespace k60::shell::testsupport {

// Hands every call to a port that outlives the command's own port object.
class ForwardingPort : public link::SerialPort {
 public:
  explicit ForwardingPort(link::SerialPort& target) : t_(target) {}
  bool open(const std::string& name) override { return t_.open(name); }
  bool setQueueSizes(std::uint32_t r, std::uint32_t w) override { return t_.setQueueSizes(r, w); }
  bool applyLineSettings(const link::LineSettings& s) override { return t_.applyLineSettings(s); }
  bool setReadsReturnAtOnce() override { return t_.setReadsReturnAtOnce(); }
  bool setTransferTimeouts() override { return t_.setTransferTimeouts(); }
  std::size_t write(std::span<const std::uint8_t> b) override { return t_.write(b); }
  std::size_t read(std::span<std::uint8_t> b) override { return t_.read(b); }
  void purgeReceive() override { t_.purgeReceive(); }
  void close() override { t_.close(); }
  bool isOpen() const override { return t_.isOpen(); }

 private:
  link::SerialPort& t_;
};

class TransferTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    app.makePort = [this] { return std::make_unique<ForwardingPort>(port); };
    app.clock = &clock;
    // The file dialogs belong to the active window, as a user's click leaves it.
    ShowWindow(main, SW_SHOW);
    SetForegroundWindow(main);
    SetActiveWindow(main);
  }
  void command(int id) { SendMessageW(main, WM_COMMAND, id, 0); }
  // Runs the command and answers its windows in order; fails on an extra window.
  void runCommand(int id, const std::vector<ModalStep>& steps) {
    int unexpected = 0;
    EXPECT_EQ(runModalSteps(steps, [&] { command(id); }, &unexpected), steps.size());
    EXPECT_EQ(unexpected, 0);
  }

  link::VirtualClock clock;
  link::test::ScriptedPort port{clock};
};

// A file in the temporary directory, removed with the object.
struct TempPath {
  explicit TempPath(const std::wstring& name) {
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    path = std::wstring(dir) + name;
    DeleteFileW(path.c_str());
  }
  ~TempPath() { DeleteFileW(path.c_str()); }
  std::wstring path;
};

}  // namespace k60::shell::testsupport
