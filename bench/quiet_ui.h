// A link user interface for the benchmarks: shows nothing and answers every question No.
#pragma once

#include "link/link_ui.h"

namespace k60::bench {

class QuietUi : public link::LinkUi {
 public:
  void showMessage(std::string_view, std::string_view, link::MessageIcon) override {}
  bool askYesNo(std::string_view, std::string_view, link::MessageIcon) override { return false; }
  void progressOpen() override {}
  void progressSet(int) override {}
  void progressClose() override {}
  void counterOpen() override {}
  void counterShow(int) override {}
  void counterClose() override {}
};

}  // namespace k60::bench
