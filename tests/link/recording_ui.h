// A link user interface for tests: records every message, question, progress position and
// counter value in order, and answers questions from a script (No when it runs out).
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "link/link_ui.h"

namespace k60::link::test {

class RecordingUi : public LinkUi {
 public:
  struct Shown {
    std::string text;
    std::string caption;
    MessageIcon icon;
    bool question;
  };

  std::deque<bool> answers;   // answers to Yes/No questions, in order
  std::vector<Shown> shown;   // messages and questions, in order
  std::vector<int> progress;  // every position set
  std::vector<int> counter;   // every count shown
  int progressOpened = 0, progressClosed = 0, counterOpened = 0, counterClosed = 0;

  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const auto& s : shown) out.push_back(s.text);
    return out;
  }

  void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) override {
    shown.push_back({std::string(text), std::string(caption), icon, false});
  }
  bool askYesNo(std::string_view text, std::string_view caption, MessageIcon icon) override {
    shown.push_back({std::string(text), std::string(caption), icon, true});
    if (answers.empty()) return false;
    bool a = answers.front();
    answers.pop_front();
    return a;
  }
  void progressOpen() override { ++progressOpened; }
  void progressSet(int position) override { progress.push_back(position); }
  void progressClose() override { ++progressClosed; }
  void counterOpen() override { ++counterOpened; }
  void counterShow(int records) override { counter.push_back(records); }
  void counterClose() override { ++counterClosed; }
  // Asked at every wait; stops the transfer once it says so.
  std::function<bool()> cancel;
  bool cancelRequested() override { return cancel && cancel(); }
};

}  // namespace k60::link::test
