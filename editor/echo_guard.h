// The toggle that keeps two boxes showing one value in step (a number and its character):
// a change of one box writes the other, and the change that this write causes in the other
// box is let through once without writing back, which would never end.
#pragma once

namespace k60::editor {

class EchoGuard {
 public:
  // Called after a box stored its value: true when the partner box must now be written.
  // The partner's own change then finds the flag set, clears it and writes nothing.
  bool writePartner() {
    set_ = !set_;
    return set_;
  }
  void clear() { set_ = false; }
  // True once, for the change that the partner write caused: a page that has nothing to
  // store from it (the code is the working one already) asks this first.
  bool takeEcho() {
    const bool echo = set_;
    set_ = false;
    return echo;
  }

 private:
  bool set_ = false;
};

}  // namespace k60::editor
