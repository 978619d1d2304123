// The keyboard wedge dialog KeyboardWedgeDlg: its controls show the wedge settings, and OK
// writes them into the template at once (the sheet's Cancel does not undo them).
#include <string>

#include "editor/keyboard_wedge.h"
#include "editor/number_box.h"
#include "editor/win32/pages.h"
#include "resources/editor_ids.h"
#include "template/choice_lists.h"
#include "ui/win32/combo_box.h"
#include "ui/win32/gb_controls.h"

namespace k60::editor {
namespace {

class KeyboardWedgeDialog : public ui::Dialog {
 public:
  explicit KeyboardWedgeDialog(Template& t) : t_(t) {}

 protected:
  BOOL onInit() override {
    const WedgeForm form = readWedge(t_);
    ui::fillCombo(item(IDC_WEDGE_KEYBOARD), choices::kKeyboardTypes, form.keyboardType);
    ui::setGbText(hwnd(), IDC_WEDGE_DELAY, form.delay);
    ui::setGbText(hwnd(), IDC_WEDGE_TIMEOUT, form.timeout);
    setChecked(IDC_WEDGE_NUMERIC_KEYPAD, form.numericKeypad);
    setChecked(IDC_WEDGE_CRLF, form.crLf);
    checkRadio(kDigitLayoutRadios, form.digitLayout);
    checkRadio(kShiftLockRadios, form.shiftLock);
    checkRadio(kCapsLockRadios, form.capsLock);
    return TRUE;
  }

  bool onCommand(int id, int code) override {
    if ((id != IDC_WEDGE_DELAY && id != IDC_WEDGE_TIMEOUT) || code != EN_CHANGE) return false;
    if (auto correction = byteBoxCorrection(ui::gbText(hwnd(), id))) ui::setGbText(hwnd(), id, *correction);
    return true;
  }

  void onOk() override { writeWedge(t_, shownForm()); }

 private:
  void checkRadio(const RadioGroup& group, int value) {
    for (int i = 0; i < group.count; ++i) setChecked(group.firstId + i, i == value);
  }

  int checkedRadio(const RadioGroup& group) const {
    for (int i = 0; i < group.count; ++i)
      if (isChecked(group.firstId + i)) return i;
    return -1;
  }

  WedgeForm shownForm() const {
    WedgeForm form;
    const LRESULT type = SendMessageW(item(IDC_WEDGE_KEYBOARD), CB_GETCURSEL, 0, 0);
    form.keyboardType = type == CB_ERR ? -1 : static_cast<int>(type);
    form.digitLayout = checkedRadio(kDigitLayoutRadios);
    form.shiftLock = checkedRadio(kShiftLockRadios);
    form.capsLock = checkedRadio(kCapsLockRadios);
    form.numericKeypad = isChecked(IDC_WEDGE_NUMERIC_KEYPAD);
    form.crLf = isChecked(IDC_WEDGE_CRLF);
    form.delay = ui::gbText(hwnd(), IDC_WEDGE_DELAY);
    form.timeout = ui::gbText(hwnd(), IDC_WEDGE_TIMEOUT);
    return form;
  }

  Template& t_;
};

}  // namespace

INT_PTR showKeyboardWedgeDialog(HINSTANCE instance, HWND owner, Template& t) {
  return KeyboardWedgeDialog(t).runModal(instance, L"KeyboardWedgeDlg", owner);
}

}  // namespace k60::editor
