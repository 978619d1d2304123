// The lookup page's model.
#include "editor/lookup_page.h"

#include <algorithm>
#include <utility>

#include "editor/check_box.h"
#include "editor/editor_texts.h"
#include "resources/editor_ids.h"

namespace k60::editor {
namespace {

constexpr std::string_view kFieldCountTexts[] = {" 0", " 1", " 2", " 3", " 4", " 5", " 6", " 7", " 8"};

constexpr NumberRule kLengthRule{LookupRecord::kMaxLength, 0, "0"};
constexpr NumberRule kSeparatorRule{255, 0, "0"};

template <std::size_t... I>
std::array<NumberBox, sizeof...(I)> lengthBoxes(std::index_sequence<I...>) {
  return {((void)I, NumberBox(kLengthRule))...};
}

constexpr int kFields = static_cast<int>(LookupRecord::kFields);

// Field `k` of box `id` in the row starting at `first`, or -1.
int fieldOf(int id, int first) { return id >= first && id < first + kFields ? id - first : -1; }

}  // namespace

const choices::List kFieldCounts = kFieldCountTexts;
const choices::List kLookupNames = choices::kLookupFiles.subspan(1);

LookupPageModel::LookupPageModel(Template& t)
    : memberBox_(kLengthRule),
      separatorBox_(kSeparatorRule),
      offsetBoxes_(lengthBoxes(std::make_index_sequence<LookupRecord::kFields>())),
      lengthBoxes_(lengthBoxes(std::make_index_sequence<LookupRecord::kFields>())) {
  const auto lookups = t.block(Block::Lookups);
  std::copy(lookups.begin(), lookups.end(), lookups_.begin());
  const auto extension = t.block(Block::Extension);
  std::copy(extension.begin(), extension.end(), extension_.begin());
  show(0);
}

LookupRecord LookupPageModel::lookupAt(std::size_t index) {
  return LookupRecord(std::span(lookups_).subspan(index * kLookupRecordSize, kLookupRecordSize));
}

void LookupPageModel::show(std::size_t index) {
  current_ = std::min(index, kLookupCount - 1);
  separatorTyped_ = extension().separator(current_);
  separatorShown_ = separatorTyped_ != 0;
  lengthLabel_ = separatorShown_ ? text::kMaxLengthShown : text::kLengthLabel;
}

FieldRow LookupPageModel::row(std::size_t field) {
  const bool used = field < std::min<std::size_t>(lookup().fieldCount(), LookupRecord::kFields);
  const bool separated = separatorShown_ || extension().separator(current_) != 0;
  return {used && !separated, used};
}

void LookupPageModel::chooseFixed() {
  extension().setSeparator(current_, 0);
  separatorShown_ = false;
  lengthLabel_ = text::kLengthLabel;
}

void LookupPageModel::chooseSeparator() {
  extension().setSeparator(current_, separatorTyped_);
  separatorShown_ = true;
  lengthLabel_ = text::kMaxLengthChosen;
}

void LookupPageModel::selectFieldCount(std::uint8_t count) { lookup().setFieldCount(count); }

void LookupPageModel::selectNoMatchAction(std::uint8_t action) { extension().setNoMatchAction(current_, action); }

bool LookupPageModel::toggleUploadable() {
  return flipByte(extension_[ExtensionBlock::kUploadable + current_]);
}

std::uint8_t* LookupPageModel::numberByte(int id) {
  std::uint8_t* record = lookups_.data() + current_ * kLookupRecordSize;
  if (id == IDC_LOOKUP_MEMBER_LENGTH) return record + LookupRecord::kMemberLength;
  if (id == IDC_LOOKUP_SEPARATOR) return &extension_[ExtensionBlock::kSeparators + current_];
  if (int k = fieldOf(id, IDC_LOOKUP_OFFSET); k >= 0) return record + LookupRecord::kFieldOffsets + k;
  if (int k = fieldOf(id, IDC_LOOKUP_LENGTH); k >= 0) return record + LookupRecord::kFieldLengths + k;
  return nullptr;
}

NumberBox* LookupPageModel::box(int id) {
  if (id == IDC_LOOKUP_MEMBER_LENGTH) return &memberBox_;
  if (id == IDC_LOOKUP_SEPARATOR) return &separatorBox_;
  if (int k = fieldOf(id, IDC_LOOKUP_OFFSET); k >= 0) return &offsetBoxes_[k];
  if (int k = fieldOf(id, IDC_LOOKUP_LENGTH); k >= 0) return &lengthBoxes_[k];
  return nullptr;
}

std::string LookupPageModel::fillText(int id) {
  const std::uint8_t* byte = numberByte(id);
  if (!byte) return {};
  std::string text = std::to_string(*byte);
  box(id)->filled(text);
  return text;
}

NumberAnswer LookupPageModel::numberChanged(int id, std::string_view text) {
  std::uint8_t* byte = numberByte(id);
  if (!byte) return {};
  const NumberAnswer answer = box(id)->changed(text);
  if (answer.store) {
    *byte = *answer.store;
    if (id == IDC_LOOKUP_SEPARATOR) separatorTyped_ = *answer.store;
  }
  return answer;
}

std::optional<LayoutRefusal> LookupPageModel::apply(Template& t) {
  for (std::size_t i = 0; i < kLookupCount; ++i) {
    const unsigned length = separatorMemberLength(lookupAt(i));
    if (extension().separator(i) != 0 && length > LookupRecord::kMaxLength) return LayoutRefusal{i, length};
  }
  std::copy(lookups_.begin(), lookups_.end(), t.block(Block::Lookups).begin());
  for (std::size_t i = 0; i < kLookupCount; ++i)
    if (extension().separator(i) != 0) applySeparatorLayout(t.lookup(i));
  const auto first = extension_.begin() + ExtensionBlock::kSeparators;
  std::copy(first, extension_.begin() + ExtensionBlock::kSeparateFiles,
            t.block(Block::Extension).begin() + ExtensionBlock::kSeparators);
  return std::nullopt;
}

std::string refusalMessage(const LayoutRefusal& refusal) {
  return std::string(kLookupNames[refusal.lookup]) + std::string(text::kLayoutTooLongBefore) +
         std::to_string(refusal.length) + std::string(text::kLayoutTooLongAfter);
}

}  // namespace k60::editor
