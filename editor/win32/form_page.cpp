// The form page FORMDLG: the header of the form chosen in 名称 and its eight lines, each with
// a "更多..." button to its property dialog. The rules are the model's. It is the first page,
// so it always exists and its OK is the sheet's: it writes the forms back, marks the template
// as changed, normalises the forms and has the simulated terminal start again on the result.
#include <optional>
#include <string>
#include <vector>

#include "editor/form_page.h"
#include "editor/win32/field_property_dialogs.h"
#include "editor/win32/pages.h"
#include "resources/editor_ids.h"
#include "template/targets.h"
#include "ui/win32/combo_box.h"
#include "ui/win32/gb_controls.h"

namespace k60::editor {
namespace {

constexpr int kLines = static_cast<int>(FormRecord::kLines);

// Line 0..7 of a control whose line 1 has id `first`.
std::optional<std::size_t> lineOf(int id, int first) {
  if (id < first || id >= first + kLines) return std::nullopt;
  return static_cast<std::size_t>(id - first);
}

class FormPage : public ui::Dialog {
 public:
  explicit FormPage(SheetContext& context) : context_(context) {}

 protected:
  BOOL onInit() override {
    model_.emplace(context_.tmpl);
    fillLists();
    showForm();
    return TRUE;
  }

  bool onCommand(int id, int code) override {
    if (!model_) return false;
    if (code == CBN_SELCHANGE) return listChanged(id);
    if (code == EN_CHANGE) return boxChanged(id);
    if (code != BN_CLICKED) return false;
    const auto line = lineOf(id, IDC_FORM_LINE_MORE);
    if (line) openProperties(*line);
    return line.has_value();
  }

  // The order matters: the Utility page's line count is read from lookup 1 as the template
  // holds it before the later pages apply, and the terminal restarts on the final forms.
  void onApply() override {
    if (!model_) return;
    model_->apply(context_.tmpl, context_.setUtilityLines);
    if (context_.resetInterpreter) context_.resetInterpreter();
  }

 private:
  void fillLists() {
    for (std::size_t form = 0; form < kFormCount; ++form)
      ui::addComboItem(item(IDC_FORM_NAME), choices::targetLabel(formTarget(form)));
    select(IDC_FORM_NAME, 0);
    for (const FormHeaderControl& c : kFormHeaderLists) {
      if (c.items) ui::fillCombo(item(c.id), *c.items, -1);
      else ui::fillNumberedCombo(item(c.id), kTargetCount, choices::targetLabel);
    }
    for (int line = 0; line < kLines; ++line) {
      ui::fillCombo(item(IDC_FORM_LINE_TYPE + line), choices::kDataTypes, -1);
      ui::fillCombo(item(IDC_FORM_LINE_SOURCE + line), choices::kDataSources, -1);
      ui::fillNumberedCombo(item(IDC_FORM_LINE_BINDING + line), choices::kLookupBindingCount,
                            choices::lookupBindingLabel);
    }
  }

  // The current form into every control, then the line and font rules.
  void showForm() {
    for (const FormHeaderControl& c : kFormHeaderLists) select(c.id, model_->headerValue(c.id));
    for (int line = 0; line < kLines; ++line) showLine(static_cast<std::size_t>(line));
    EnableWindow(item(IDC_FORM_FONT), FALSE);
  }

  void showLine(std::size_t line) {
    const int n = static_cast<int>(line);
    const FormRecord form = model_->form();
    select(IDC_FORM_LINE_TYPE + n, form.dataTypeByte(line));
    select(IDC_FORM_LINE_SOURCE + n, form.dataSource(line));
    select(IDC_FORM_LINE_BINDING + n, form.lookupBinding(line));
    // Each write comes back as a change and goes through the box's rule.
    ui::setGbText(hwnd(), IDC_FORM_LINE_PROMPT + n, form.prompt(line));
    fillLength(IDC_FORM_LINE_MIN + n, form.minLength(line));
    fillLength(IDC_FORM_LINE_MAX + n, form.maxLength(line));
    showLineState(line);
  }

  void fillLength(int id, std::uint8_t value) {
    const std::string text = std::to_string(value);
    model_->lengthFilled(id, text);
    ui::setGbText(hwnd(), id, text);
  }

  void showLineState(std::size_t line) {
    const int n = static_cast<int>(line);
    const LineState s = model_->lineState(line);
    EnableWindow(item(IDC_FORM_LINE_TYPE + n), s.type);
    EnableWindow(item(IDC_FORM_LINE_PROMPT + n), s.prompt);
    EnableWindow(item(IDC_FORM_LINE_SOURCE + n), s.source);
    EnableWindow(item(IDC_FORM_LINE_MIN + n), s.lengths);
    EnableWindow(item(IDC_FORM_LINE_MAX + n), s.lengths);
    EnableWindow(item(IDC_FORM_LINE_BINDING + n), s.binding);
    EnableWindow(item(IDC_FORM_LINE_MORE + n), s.more);
  }

  bool listChanged(int id) {
    const auto chosen = [&](std::uint8_t kept) { return ui::comboSelection(item(id), kept); };
    if (id == IDC_FORM_NAME) {
      model_->choose(chosen(static_cast<std::uint8_t>(model_->current())));
      showForm();
    } else if (id > IDC_FORM_FONT && id <= IDC_FORM_RECORD_ACTION) {
      model_->selectHeader(id, chosen(model_->headerValue(id)));
    } else if (const auto line = lineOf(id, IDC_FORM_LINE_TYPE)) {
      model_->setDataType(*line, chosen(model_->form().dataTypeByte(*line)));
      showLineState(*line);
    } else if (const auto line = lineOf(id, IDC_FORM_LINE_SOURCE)) {
      model_->setSource(*line, chosen(model_->form().dataSource(*line)));
    } else if (const auto line = lineOf(id, IDC_FORM_LINE_BINDING)) {
      model_->setBinding(*line, chosen(model_->form().lookupBinding(*line)));
    } else {
      return false;
    }
    return true;
  }

  bool boxChanged(int id) {
    std::optional<std::string> show;
    if (const auto line = lineOf(id, IDC_FORM_LINE_PROMPT)) {
      show = model_->promptChanged(*line, ui::gbText(hwnd(), id)).show;
    } else if (lineOf(id, IDC_FORM_LINE_MIN) || lineOf(id, IDC_FORM_LINE_MAX)) {
      show = model_->lengthChanged(id, ui::gbText(hwnd(), id)).show;
    } else {
      return false;
    }
    if (show) ui::setGbText(hwnd(), id, *show);
    return true;
  }

  void openProperties(std::size_t line) {
    const bool lookup = model_->propertyDialog(line) == PropertyDialogKind::LookupAdvance;
    showFieldProperties(instance(), hwnd(), model_->form(), model_->current(), line,
                        lookup ? kLookupAdvanceLayout : kAdvanceLayout);
  }

  void select(int id, int position) { ui::selectComboItem(item(id), position); }

  SheetContext& context_;
  std::optional<FormPageModel> model_;
};

}  // namespace

std::unique_ptr<ui::Dialog> makeFormPage(SheetContext& context) { return std::make_unique<FormPage>(context); }

}  // namespace k60::editor
