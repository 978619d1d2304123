// The keyboard wedge dialog's model: what the dialog shows of the wedge settings (four bytes
// of the barcode record and extension byte 1), and how its OK writes them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "template/store.h"

namespace k60::editor {

// A radio group: consecutive ids, one per value from 0.
struct RadioGroup {
  int firstId;
  int count;
};

extern const RadioGroup kDigitLayoutRadios;
extern const RadioGroup kShiftLockRadios;
extern const RadioGroup kCapsLockRadios;  // detect, always, ignore

// The dialog's controls. A list or radio group left without a choice is -1, and OK keeps
// the stored value for it (a damaged file's value that no control can show).
struct WedgeForm {
  int keyboardType = -1;
  int digitLayout = -1;
  int shiftLock = -1;
  int capsLock = -1;  // CapsLock order
  bool numericKeypad = false;
  bool crLf = false;
  std::string delay;    // as typed
  std::string timeout;  // as typed
};

// What the dialog shows when it opens.
WedgeForm readWedge(Template& t);
// OK: byte 3, the whole of byte 4 (caps lock handling as exactly one of 0x80, 0x40, 0x20),
// bytes 8 and 23 limited to 0..255, and extension byte 1.
void writeWedge(Template& t, const WedgeForm& form);

}  // namespace k60::editor
