// The line property dialogs' model.
#include "editor/field_properties.h"

#include <algorithm>

#include "editor/check_box.h"
#include "editor/control_table.h"
#include "resources/editor_ids.h"
#include "template/gb_text.h"

namespace k60::editor {
namespace {

using R = FormRecord;

constexpr PropertyCheck kAdvanceChecks[] = {
    {IDC_FIELD_FIXED_ON, R::kFixedLengthOn, {IDC_FIELD_FIXED_LENGTH, IDC_FIELD_ALIGNMENT}},
    {IDC_FIELD_INITIAL_ON, R::kInitialOn, {IDC_FIELD_INITIAL_VALUE}},
    {IDC_FIELD_PREFIX_ON, R::kPrefixOn, {IDC_FIELD_PREFIX}},
    {IDC_FIELD_SUFFIX_ON, R::kSuffixOn, {IDC_FIELD_SUFFIX}},
    {IDC_FIELD_PARTIAL_ON, R::kPartialOn, {IDC_FIELD_PARTIAL_START, IDC_FIELD_PARTIAL_LENGTH}},
    {IDC_FIELD_CHECK_PREFIX_ON, R::kCheckPrefixOn, {IDC_FIELD_CHECK_PREFIX}},
};
constexpr PropertyText kAdvanceTexts[] = {
    {IDC_FIELD_INITIAL_VALUE, R::kInitialValue, R::kValueSlot, R::kValueSlot - 1},
    {IDC_FIELD_PREFIX, R::kPrefix, R::kValueSlot, R::kValueSlot - 1},
    {IDC_FIELD_SUFFIX, R::kSuffix, R::kValueSlot, R::kValueSlot - 1},
    {IDC_FIELD_CHECK_PREFIX, R::kCheckPrefix, R::kCheckPrefixSlot, R::kCheckPrefixSlot},
};
constexpr PropertyNumber kAdvanceNumbers[] = {
    {IDC_FIELD_FIXED_LENGTH, R::kFixedLength, "1"},
    {IDC_FIELD_PARTIAL_START, R::kPartialStart, "1"},
    {IDC_FIELD_PARTIAL_LENGTH, R::kPartialMaxLength, "0"},
};
const PropertyList kAdvanceLists[] = {
    {IDC_FIELD_ALIGNMENT, R::kAlignment, &choices::kAlignments},
    {IDC_FIELD_AUTO_WRAP, R::kAutoWrap, &choices::kAutoWraps},
};

// Save field data (the initial-value flag) enables the other three check boxes.
constexpr PropertyCheck kLookupChecks[] = {
    {IDC_LOOKUP_FIELD_SAVE_ON, R::kInitialOn,
     {IDC_LOOKUP_FIELD_FIXED_ON, IDC_LOOKUP_FIELD_PREFIX_ON, IDC_LOOKUP_FIELD_SUFFIX_ON}},
    {IDC_LOOKUP_FIELD_FIXED_ON, R::kFixedLengthOn, {IDC_FIELD_FIXED_LENGTH, IDC_FIELD_ALIGNMENT}},
    {IDC_LOOKUP_FIELD_PREFIX_ON, R::kPrefixOn, {IDC_LOOKUP_FIELD_PREFIX}},
    {IDC_LOOKUP_FIELD_SUFFIX_ON, R::kSuffixOn, {IDC_LOOKUP_FIELD_SUFFIX}},
};
constexpr PropertyText kLookupTexts[] = {
    {IDC_LOOKUP_FIELD_PREFIX, R::kPrefix, R::kValueSlot, R::kValueSlot - 1},
    {IDC_LOOKUP_FIELD_SUFFIX, R::kSuffix, R::kValueSlot, R::kValueSlot - 1},
};
constexpr PropertyNumber kLookupNumbers[] = {
    {IDC_FIELD_FIXED_LENGTH, R::kFixedLength, "1"},
};
const PropertyList kLookupLists[] = {
    {IDC_FIELD_ALIGNMENT, R::kAlignment, &choices::kAlignments},
};

}  // namespace

const PropertyLayout kAdvanceLayout = {L"AdvanceDlg", kAdvanceChecks, kAdvanceTexts, kAdvanceNumbers,
                                       kAdvanceLists, true};
const PropertyLayout kLookupAdvanceLayout = {L"LookupAdvanceDlg", kLookupChecks, kLookupTexts, kLookupNumbers,
                                             kLookupLists, false};

NumberAnswer byteBoxChanged(std::string_view text, std::string_view badText) {
  if (byteBoxCorrection(text)) return {0, std::string(badText)};
  const auto number = readNumber(text);
  if (number && *number > 255) return {255, std::string("255")};
  return {byteBoxValue(text), std::nullopt};
}

FieldProperties::FieldProperties(FormRecord form, std::size_t line, const PropertyLayout& layout)
    : form_(form), line_(line), layout_(layout) {
  std::copy(form_.bytes().begin(), form_.bytes().end(), backup_.begin());
  correctPartial();
}

void FieldProperties::correctPartial() {
  if (form_.partialStart(line_) == 0) form_.setPartialStart(line_, 1);
  const std::uint8_t length = form_.partialMaxLength(line_);
  if (length == 0 || length > FormRecord::kMaxLength) form_.setPartialMaxLength(line_, FormRecord::kMaxLength);
}

bool FieldProperties::checked(int id) const {
  const PropertyCheck* c = findId(layout_.checks, id);
  return c && byteAt(c->offset) != 0;
}

bool FieldProperties::enabled(int id) const {
  for (const PropertyCheck& c : layout_.checks)
    if (std::find(c.enables.begin(), c.enables.end(), id) != c.enables.end()) return byteAt(c.offset) != 0;
  return true;
}

std::string FieldProperties::text(int id) const {
  if (const PropertyText* t = findId(layout_.texts, id))
    return readSlot(form_.bytes().subspan(t->offset + t->slot * line_, t->slot));
  if (const PropertyNumber* n = findId(layout_.numbers, id)) return std::to_string(byteAt(n->offset));
  return {};
}

std::uint8_t FieldProperties::selection(int id) const {
  const PropertyList* l = findId(layout_.lists, id);
  return l ? byteAt(l->offset) : 0;
}

bool FieldProperties::toggle(int id) {
  const PropertyCheck* c = findId(layout_.checks, id);
  return c && flipByte(byteAt(c->offset));
}

TextAnswer FieldProperties::textChanged(int id, std::string_view gb) {
  const PropertyText* t = findId(layout_.texts, id);
  if (!t) return {std::string(gb), std::nullopt};
  TextAnswer answer = cutBoxText(gb, t->maxBytes);
  writeSlot(form_.bytes().subspan(t->offset + t->slot * line_, t->slot), answer.store, t->maxBytes);
  return answer;
}

NumberAnswer FieldProperties::numberChanged(int id, std::string_view text) {
  const PropertyNumber* n = findId(layout_.numbers, id);
  if (!n) return {};
  NumberAnswer answer = byteBoxChanged(text, n->badText);
  if (answer.store) byteAt(n->offset) = *answer.store;
  return answer;
}

void FieldProperties::select(int id, std::uint8_t position) {
  if (const PropertyList* l = findId(layout_.lists, id)) byteAt(l->offset) = position;
}

void FieldProperties::ok() {
  if (layout_.correctsOnOk) correctPartial();
}

void FieldProperties::cancel() { std::copy(backup_.begin(), backup_.end(), form_.bytes().begin()); }

}  // namespace k60::editor
