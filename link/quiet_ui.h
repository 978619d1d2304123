// A link user interface with nobody in front of it (the benchmarks, an unattended watch):
// shows nothing and answers every question No.
#pragma once

#include "link/link_ui.h"

namespace k60::link {

class QuietUi : public LinkUi {
 public:
  void showMessage(std::string_view, std::string_view, MessageIcon) override {}
  bool askYesNo(std::string_view, std::string_view, MessageIcon) override { return false; }
  void progressOpen() override {}
  void progressSet(int) override {}
  void progressClose() override {}
  void counterOpen() override {}
  void counterShow(int) override {}
  void counterClose() override {}
};

}  // namespace k60::link
