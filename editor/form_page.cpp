// The form page's model.
#include "editor/form_page.h"

#include <algorithm>
#include <initializer_list>

#include "editor/control_table.h"
#include "resources/editor_ids.h"
#include "template/lookup_record.h"

namespace k60::editor {

const std::array<FormHeaderControl, 7> kFormHeaderLists = {{
    {IDC_FORM_FONT, FormRecord::kFont, &choices::kFonts},
    {IDC_FORM_CANCEL_TARGET, FormRecord::kCancelTarget, nullptr},
    {IDC_FORM_NEXT_TARGET, FormRecord::kNextTarget, nullptr},
    {IDC_FORM_DATE_STAMP, FormRecord::kDateStamp, &choices::kDateStamps},
    {IDC_FORM_TIME_STAMP, FormRecord::kTimeStamp, &choices::kTimeStamps},
    {IDC_FORM_LOOKUP_FILE, FormRecord::kLookupFile, &choices::kLookupFiles},
    {IDC_FORM_RECORD_ACTION, FormRecord::kRecordAction, &choices::kRecordActions},
}};

namespace {

// The minimum and maximum length boxes: 0..50, a non-number stores 0 and shows "0".
const NumberRule kLengthRule{FormRecord::kMaxLength, 0, "0"};

bool oneOf(std::uint8_t type, std::initializer_list<DataType> types) {
  return std::any_of(types.begin(), types.end(),
                     [type](DataType t) { return type == static_cast<std::uint8_t>(t); });
}

}  // namespace

LineState lineState(bool largeFont, std::size_t line, std::uint8_t type) {
  using enum DataType;
  if (largeFont && line >= 4) return {};
  LineState s;
  s.type = true;
  s.prompt = !oneOf(type, {Empty, Continuation});
  s.more = oneOf(type, {Text, Integer, Real, Character, FixedData, Lookup, Boolean});
  s.source = oneOf(type, {Text, Integer, Real, Character, Boolean});
  s.binding = oneOf(type, {Text, Integer, Real, Character, Lookup, Boolean});
  s.lengths = oneOf(type, {Text, Integer, Real, Character});
  return s;
}

FormPageModel::FormPageModel(const Template& t) : lengths_(2 * FormRecord::kLines, NumberBox(kLengthRule)) {
  const auto forms = t.block(Block::Forms);
  std::copy(forms.begin(), forms.end(), copy_.begin());
}

void FormPageModel::choose(std::size_t form) {
  if (form < kFormCount) current_ = form;
}

FormRecord FormPageModel::form(std::size_t index) {
  return FormRecord(std::span(copy_).subspan(index * kFormRecordSize, kFormRecordSize));
}

std::size_t FormPageModel::promptLimit() { return lineColumns(form().largeFont()); }

LineState FormPageModel::lineState(std::size_t line) {
  const FormRecord f = form();
  return editor::lineState(f.largeFont(), line, f.dataTypeByte(line));
}

std::uint8_t FormPageModel::headerValue(int id) {
  const FormHeaderControl* c = findId(kFormHeaderLists, id);
  return c ? form().byte(c->offset) : 0;
}

void FormPageModel::selectHeader(int id, std::uint8_t position) {
  if (const FormHeaderControl* c = findId(kFormHeaderLists, id)) form().setByte(c->offset, position);
}

void FormPageModel::setDataType(std::size_t line, std::uint8_t type) {
  form().setByte(FormRecord::kDataType + line, type);
}

void FormPageModel::setSource(std::size_t line, std::uint8_t position) { form().setDataSource(line, position); }

void FormPageModel::setBinding(std::size_t line, std::uint8_t position) { form().setLookupBinding(line, position); }

TextAnswer FormPageModel::promptChanged(std::size_t line, std::string_view gb) {
  TextAnswer answer = cutBoxText(gb, promptLimit());
  form().setPrompt(line, answer.store);
  return answer;
}

std::optional<std::size_t> FormPageModel::lengthBox(int id) const {
  if (id >= IDC_FORM_LINE_MIN && id < IDC_FORM_LINE_MIN + 8) return id - IDC_FORM_LINE_MIN;
  if (id >= IDC_FORM_LINE_MAX && id < IDC_FORM_LINE_MAX + 8) return 8 + (id - IDC_FORM_LINE_MAX);
  return std::nullopt;
}

void FormPageModel::lengthFilled(int id, std::string_view text) {
  if (const auto box = lengthBox(id)) lengths_[*box].filled(text);
}

NumberAnswer FormPageModel::lengthChanged(int id, std::string_view text) {
  const auto box = lengthBox(id);
  if (!box) return {};
  const NumberAnswer answer = lengths_[*box].changed(text);
  if (answer.store) {
    const std::size_t line = *box % FormRecord::kLines;
    if (*box < FormRecord::kLines) form().setMinLength(line, *answer.store);
    else form().setMaxLength(line, *answer.store);
  }
  return answer;
}

PropertyDialogKind FormPageModel::propertyDialog(std::size_t line) {
  return form().dataType(line) == DataType::Lookup ? PropertyDialogKind::LookupAdvance : PropertyDialogKind::Advance;
}

void FormPageModel::apply(Template& t, const std::function<void(int)>& setUtilityLines) const {
  std::copy(copy_.begin(), copy_.end(), t.block(Block::Forms).begin());
  t.setChanged(true);
  for (std::size_t i = 0; i < kFormCount; ++i) normaliseForm(t.form(i));
  if (setUtilityLines) setUtilityLines(utilityPageLines(t.lookup(0)));
  for (std::size_t i = 0; i < kFormCount; ++i) fixContinuations(t.form(i));
}

}  // namespace k60::editor
