// The lookup page LOOKUPDLG: one of the three lookups at a time, its fields and its options.
// On OK it refuses, with a message, a separator layout longer than a member can be.
#include "editor/lookup_page.h"
#include "editor/win32/model_page.h"
#include "editor/win32/pages.h"
#include "resources/editor_ids.h"
#include "template/error_caption.h"
#include "template/win32/utf16_text.h"
#include "ui/win32/combo_box.h"
#include "ui/win32/gb_controls.h"
#include "ui/win32/message_box.h"

namespace k60::editor {
namespace {

constexpr int kFields = static_cast<int>(LookupRecord::kFields);

bool isNumberBox(int id) {
  return id == IDC_LOOKUP_MEMBER_LENGTH || id == IDC_LOOKUP_SEPARATOR ||
         (id >= IDC_LOOKUP_OFFSET && id < IDC_LOOKUP_OFFSET + kFields) ||
         (id >= IDC_LOOKUP_LENGTH && id < IDC_LOOKUP_LENGTH + kFields);
}

class LookupPage : public ModelPage<LookupPageModel> {
 public:
  using ModelPage::ModelPage;

 protected:
  BOOL onInit() override {
    takeModel();
    ui::fillCombo(item(IDC_LOOKUP_NAME), kLookupNames, 0);
    ui::fillCombo(item(IDC_LOOKUP_NO_MATCH), choices::kNoMatchActions, -1);
    ui::fillCombo(item(IDC_LOOKUP_FIELD_COUNT), kFieldCounts, -1);
    showLookup();
    return TRUE;
  }

  bool onCommand(int id, int code) override {
    if (!model_) return false;
    const bool clicked = code == BN_CLICKED, chosen = code == CBN_SELCHANGE;
    if (id == IDC_LOOKUP_NAME && chosen) {
      model_->show(ui::comboSelection(item(id), static_cast<std::uint8_t>(model_->current())));
      showLookup();
    } else if (id == IDC_LOOKUP_FIELD_COUNT && chosen) {
      model_->selectFieldCount(ui::comboSelection(item(id), model_->lookup().fieldCount()));
      showMode();
    } else if ((id == IDC_LOOKUP_FIXED || id == IDC_LOOKUP_SEPARATED) && clicked) {
      id == IDC_LOOKUP_FIXED ? model_->chooseFixed() : model_->chooseSeparator();
      showMode();
    } else if (id == IDC_LOOKUP_UPLOADABLE && clicked) {
      setChecked(id, model_->toggleUploadable());
    } else if (id == IDC_LOOKUP_NO_MATCH && chosen) {
      model_->selectNoMatchAction(ui::comboSelection(item(id), model_->extension().noMatchAction(model_->current())));
    } else if (id >= IDC_LOOKUP_KEY && id < IDC_LOOKUP_KEY + kFields && clicked) {
      model_->selectKeyField(static_cast<std::uint8_t>(id - IDC_LOOKUP_KEY));
    } else if (isNumberBox(id) && code == EN_CHANGE) {
      const NumberAnswer answer = model_->numberChanged(id, ui::gbText(hwnd(), id));
      if (answer.show) ui::setGbText(hwnd(), id, *answer.show);
    } else {
      return false;
    }
    return true;
  }

  // A refused layout shows its lookup on this page and says why; the sheet stays open.
  bool onApplyOrRefuse() override {
    if (!model_) return true;
    const auto refusal = model_->apply(context_.tmpl);
    if (!refusal) return true;
    HWND sheet = GetParent(hwnd());
    PropSheet_SetCurSel(sheet, nullptr, PropSheet_HwndToIndex(sheet, hwnd()));
    model_->show(refusal->lookup);
    showLookup();
    ui::messageBox(sheet, refusalMessage(*refusal), kErrorCaption, MB_OK | MB_ICONWARNING);
    return false;
  }

 private:
  void fillNumber(int id) { ui::setGbText(hwnd(), id, model_->fillText(id)); }

  void showLookup() {
    ui::selectComboItem(item(IDC_LOOKUP_NAME), static_cast<int>(model_->current()));
    CheckRadioButton(hwnd(), IDC_LOOKUP_FIXED, IDC_LOOKUP_SEPARATED,
                     model_->separatorShown() ? IDC_LOOKUP_SEPARATED : IDC_LOOKUP_FIXED);
    fillNumber(IDC_LOOKUP_SEPARATOR);
    fillNumber(IDC_LOOKUP_MEMBER_LENGTH);
    const LookupRecord lookup = model_->lookup();
    ui::selectComboItem(item(IDC_LOOKUP_FIELD_COUNT), lookup.fieldCount());
    setChecked(IDC_LOOKUP_UPLOADABLE, model_->extension().uploadable(model_->current()));
    ui::selectComboItem(item(IDC_LOOKUP_NO_MATCH), model_->extension().noMatchAction(model_->current()));
    for (int k = 0; k < kFields; ++k) {
      fillNumber(IDC_LOOKUP_OFFSET + k);
      fillNumber(IDC_LOOKUP_LENGTH + k);
    }
    CheckRadioButton(hwnd(), IDC_LOOKUP_KEY, IDC_LOOKUP_KEY + kFields - 1, IDC_LOOKUP_KEY + lookup.keyField());
    showMode();
  }

  // The label, the member length and separator boxes, and the field rows.
  void showMode() {
    SetDlgItemTextW(hwnd(), IDC_LOOKUP_LENGTH_LABEL, utf8ToUtf16(std::string(model_->lengthLabel())).c_str());
    EnableWindow(item(IDC_LOOKUP_MEMBER_LENGTH), model_->memberLengthEnabled());
    EnableWindow(item(IDC_LOOKUP_SEPARATOR), model_->separatorEnabled());
    for (int k = 0; k < kFields; ++k) {
      const FieldRow row = model_->row(static_cast<std::size_t>(k));
      EnableWindow(item(IDC_LOOKUP_OFFSET + k), row.offset);
      EnableWindow(item(IDC_LOOKUP_LENGTH + k), row.length);
      EnableWindow(item(IDC_LOOKUP_KEY + k), row.length);
    }
  }
};

}  // namespace

std::unique_ptr<ui::Dialog> makeLookupPage(SheetContext& context) { return std::make_unique<LookupPage>(context); }

}  // namespace k60::editor
