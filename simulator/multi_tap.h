// Multi-tap letters: repeated presses of one key cycle through its three letters; the letter
// is entered by a press of another key or after 7 clock ticks without a press.
#pragma once

namespace k60::sim {

class MultiTap {
 public:
  static constexpr int kTimeoutTicks = 7;

  // A press of letter key 1..11 in alpha mode: the next letter of a pending one, else the
  // key's first letter. Returns the letter now pending.
  char press(int key);

  bool pending() const { return pending_; }
  char letter() const { return letter_; }

  // Ends the wait and returns the letter to enter.
  char take();
  void drop() { pending_ = false; }

  // One clock tick; true when the pending letter has waited long enough to be entered.
  bool tick();

 private:
  bool pending_ = false;
  char letter_ = 0;
  int tap_ = 0;
  int ticks_ = 0;
};

}  // namespace k60::sim
