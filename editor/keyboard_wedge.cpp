// The keyboard wedge dialog's model.
#include "editor/keyboard_wedge.h"

#include "editor/number_box.h"
#include "resources/editor_ids.h"
#include "template/barcode_record.h"
#include "template/choice_lists.h"
#include "template/lookup_record.h"

namespace k60::editor {

const RadioGroup kDigitLayoutRadios = {IDC_DIGIT_LAYOUT_NORMAL, 3};
const RadioGroup kShiftLockRadios = {IDC_SHIFT_LOCK_NORMAL, 3};
const RadioGroup kCapsLockRadios = {IDC_CAPS_LOCK_DETECT, 3};

namespace {

int shown(std::uint8_t value, std::size_t count) { return value < count ? value : -1; }

std::uint8_t chosen(int choice, std::uint8_t stored) { return choice < 0 ? stored : static_cast<std::uint8_t>(choice); }

}  // namespace

WedgeForm readWedge(Template& t) {
  BarcodeRecord barcode = t.barcode();
  WedgeForm form;
  form.keyboardType = shown(barcode.keyboardType(), choices::kKeyboardTypes.size());
  form.digitLayout = shown(barcode.digitLayout(), choices::kDigitLayouts.size());
  form.shiftLock = shown(barcode.shiftLockType(), choices::kShiftLockTypes.size());
  form.capsLock = static_cast<int>(barcode.capsLock());
  form.numericKeypad = barcode.numericKeypad();
  form.crLf = t.extension().wedgeCrLf();
  form.delay = std::to_string(barcode.keyDelay());
  form.timeout = std::to_string(barcode.wedgeTimeout());
  return form;
}

void writeWedge(Template& t, const WedgeForm& form) {
  BarcodeRecord barcode = t.barcode();
  barcode.setKeyboardType(chosen(form.keyboardType, barcode.keyboardType()));
  barcode.setNumericKeypad(form.numericKeypad);
  barcode.setShiftLockType(chosen(form.shiftLock, barcode.shiftLockType()));
  barcode.setDigitLayout(chosen(form.digitLayout, barcode.digitLayout()));
  barcode.setCapsLock(form.capsLock < 0 ? barcode.capsLock() : static_cast<CapsLock>(form.capsLock));
  barcode.setKeyDelay(byteBoxValue(form.delay));
  barcode.setWedgeTimeout(byteBoxValue(form.timeout));
  t.extension().setWedgeCrLf(form.crLf);
}

}  // namespace k60::editor
