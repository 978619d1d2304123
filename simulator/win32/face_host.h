// The face window's side of the simulator: repaint areas, direct draws of the status line,
// alpha indicator and pending letter, the no-program message and the New command.
#pragma once

#include "simulator/simulator_host.h"

namespace k60::sim {

struct FaceWindow;

class FaceHost : public SimulatorHost {
 public:
  explicit FaceHost(FaceWindow& face) : face_(face) {}

  void invalidateWholeLcd() override;
  void invalidateUpperLcd() override;
  void invalidateRow(int row) override;
  void alphaModeChanged(bool on) override;
  void drawStatusLine(std::string_view gb) override;
  void pendingLetterShown(char letter, int row, int column) override;
  void pendingLetterCleared() override;
  void showNoProgramMessage(std::string_view text, std::string_view caption) override;
  void postNewCommand() override;

 private:
  FaceWindow& face_;
  int pendingRow_ = -1;  // row of the letter drawn at the cursor, -1 = none
};

}  // namespace k60::sim
