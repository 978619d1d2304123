// The symbology dialogs' tables and model.
#include "editor/symbology_dialogs.h"

#include <algorithm>

#include "editor/number_box.h"
#include "editor/control_table.h"
#include "resources/editor_ids.h"

namespace k60::editor {
namespace {

using F = BarcodeFlag;
using B = BarcodeField;

constexpr int kBox1 = IDC_SYMBOLOGY_BOX1;
constexpr int kRadio1 = IDC_SYMBOLOGY_RADIO1;

// Check box n of a dialog is id 100 + n.
constexpr FlagBox kCode39Boxes[] = {
    {kBox1, F::Code39SendStartStop}, {kBox1 + 1, F::Code39VerifyCheck},
    {kBox1 + 2, F::Code39SendCheck}, {kBox1 + 3, F::Code39FullAscii}};
constexpr FlagBox kItalianPharmacodeBoxes[] = {{kBox1, F::ItalianPharmacodeSendCheck}};
constexpr FlagBox kFrenchPharmacodeBoxes[] = {{kBox1, F::FrenchPharmacodeSendCheck}};
constexpr FlagBox kIndustrial25Boxes[] = {{kBox1, F::Industrial25VerifyCheck}, {kBox1 + 1, F::Industrial25SendCheck}};
constexpr FlagBox kInterleave25Boxes[] = {{kBox1, F::Interleave25VerifyCheck}, {kBox1 + 1, F::Interleave25SendCheck}};
constexpr FlagBox kMatrix25Boxes[] = {{kBox1, F::Matrix25VerifyCheck}, {kBox1 + 1, F::Matrix25SendCheck}};
constexpr FlagBox kPlesseyBoxes[] = {{kBox1, F::PlesseyToUk}, {kBox1 + 1, F::PlesseySendCheck}};
constexpr FlagBox kUpceBoxes[] = {
    {kBox1, F::UpceToUpca}, {kBox1 + 1, F::UpceSendSystem}, {kBox1 + 2, F::UpceSendCheck}};
constexpr FlagBox kEan8Boxes[] = {{kBox1, F::Ean8ToEan13}, {kBox1 + 1, F::Ean8SendCheck}};
constexpr FlagBox kEan13Boxes[] = {
    {kBox1, F::Ean13Isbn},          {kBox1 + 1, F::Ean13Issn},      {kBox1 + 2, F::Ean13SendCheck},
    {kBox1 + 3, F::UpcaSendSystem}, {kBox1 + 4, F::UpcaSendCheck}, {kBox1 + 5, F::UpcaToEan13}};

// The start/stop pattern radios of the 2 of 5 dialogs: Industrial 25, Interleave 25, Matrix 25.
constexpr RadioGroupInfo patternRadios(BarcodeField field) { return {kRadio1, 3, RadioBinding::Field, field, {}}; }

constexpr RadioGroupInfo kIndustrial25Radios[] = {patternRadios(B::Industrial25StartStop)};
constexpr RadioGroupInfo kInterleave25Radios[] = {patternRadios(B::Interleave25StartStop)};
constexpr RadioGroupInfo kMatrix25Radios[] = {patternRadios(B::Matrix25StartStop)};
constexpr RadioGroupInfo kMsiRadios[] = {
    {kRadio1, 3, RadioBinding::Field, B::MsiCheckVerify, {}},
    {kRadio1 + 3, 3, RadioBinding::Field, B::MsiCheckSend, {}}};
// "无", then the four start/stop formats.
constexpr RadioGroupInfo kCodabarRadios[] = {
    {kRadio1, 5, RadioBinding::FlagThenField, B::CodabarStartStopFormat, F::CodabarSendStartStop}};
// "初始 Telepen" sets the bit, "AIM Telepen" clears it.
constexpr RadioGroupInfo kTelepenRadios[] = {{kRadio1, 2, RadioBinding::FlagSet, {}, F::TelepenPlain}};

// The 2 of 5 dialogs' length mode radios follow their patterns; MSI's follow its six.
constexpr LengthControls lengthsAfterPatterns(LengthSymbology s) { return {s, kRadio1 + 3}; }

}  // namespace

const std::array<SymbologyDialogInfo, 13> kSymbologyDialogs = {{
    {IDC_CODE39_OPTIONS, L"Code39Dlg", kCode39Boxes, {}, std::nullopt},
    {IDC_ITALIAN_PHARMACODE_OPTIONS, L"ItalyPharmaDlg", kItalianPharmacodeBoxes, {}, std::nullopt},
    {IDC_FRENCH_PHARMACODE_OPTIONS, L"FrenchPharmaDlg", kFrenchPharmacodeBoxes, {}, std::nullopt},
    {IDC_INDUSTRIAL25_OPTIONS, L"Industrial25Dlg", kIndustrial25Boxes, kIndustrial25Radios,
     lengthsAfterPatterns(LengthSymbology::Industrial25)},
    {IDC_INTERLEAVE25_OPTIONS, L"Interleave25Dlg", kInterleave25Boxes, kInterleave25Radios,
     lengthsAfterPatterns(LengthSymbology::Interleave25)},
    {IDC_MATRIX25_OPTIONS, L"Matrix25Dlg", kMatrix25Boxes, kMatrix25Radios,
     lengthsAfterPatterns(LengthSymbology::Matrix25)},
    {IDC_CODABAR_OPTIONS, L"CodabarDlg", {}, kCodabarRadios, std::nullopt},
    {IDC_MSI_OPTIONS, L"MSIDlg", {}, kMsiRadios, LengthControls{LengthSymbology::Msi, kRadio1 + 6}},
    {IDC_PLESSEY_OPTIONS, L"PlesseyDlg", kPlesseyBoxes, {}, std::nullopt},
    {IDC_UPCE_OPTIONS, L"UPCEDlg", kUpceBoxes, {}, std::nullopt},
    {IDC_EAN8_OPTIONS, L"EAN8Dlg", kEan8Boxes, {}, std::nullopt},
    {IDC_EAN13_OPTIONS, L"EAN13Dlg", kEan13Boxes, {}, std::nullopt},
    {IDC_TELEPEN_OPTIONS, L"TelepenDlg", {}, kTelepenRadios, std::nullopt},
}};

const SymbologyDialogInfo* symbologyDialogFor(int button) {
  return findId(kSymbologyDialogs, button, &SymbologyDialogInfo::button);
}

std::pair<std::string_view, std::string_view> lengthLabels(bool range) {
  if (range) return {"最大长度 :", "最小长度 :"};
  return {"固定长度 1:", "固定长度 2:"};
}

LengthLimit lengthsToStore(bool range, std::uint32_t first, std::uint32_t second) {
  const std::uint32_t max = std::clamp<std::uint32_t>(first, 1, 127);
  return {range, static_cast<std::uint8_t>(max), static_cast<std::uint8_t>(std::clamp<std::uint32_t>(second, 1, max))};
}

namespace {

int readRadios(const RadioGroupInfo& g, const BarcodeRecord& r) {
  switch (g.binding) {
    case RadioBinding::Field: {
      const int value = r.field(g.field);
      return value < g.count ? value : -1;
    }
    case RadioBinding::FlagSet:
      return r.flag(g.flag) ? 0 : 1;
    case RadioBinding::FlagThenField:
      // The format counts only while the flag is set.
      return r.flag(g.flag) ? 1 + r.field(g.field) : 0;
  }
  return -1;
}

void writeRadios(const RadioGroupInfo& g, int position, BarcodeRecord& r) {
  if (position < 0) return;
  switch (g.binding) {
    case RadioBinding::Field:
      r.setField(g.field, static_cast<std::uint8_t>(position));
      break;
    case RadioBinding::FlagSet:
      r.setFlag(g.flag, position == 0);
      break;
    case RadioBinding::FlagThenField:
      r.setFlag(g.flag, position > 0);
      r.setField(g.field, static_cast<std::uint8_t>(position > 0 ? position - 1 : 0));
      break;
  }
}

}  // namespace

SymbologyDialogModel::SymbologyDialogModel(const SymbologyDialogInfo& info, const BarcodeRecord& record)
    : info_(info) {
  for (const FlagBox& box : info.boxes) boxes_.push_back(record.flag(box.flag));
  for (const RadioGroupInfo& group : info.radios) radios_.push_back(readRadios(group, record));
  if (info.lengths) {
    const LengthLimit limit = record.length(info.lengths->symbology);
    range_ = limit.range;
    first_ = limit.first;
    second_ = limit.second;
  }
}

std::vector<int> SymbologyDialogModel::buttons() const {
  std::vector<int> ids;
  for (const FlagBox& box : info_.boxes) ids.push_back(box.id);
  for (const RadioGroupInfo& group : info_.radios)
    for (int i = 0; i < group.count; ++i) ids.push_back(group.firstId + i);
  if (info_.lengths) ids.insert(ids.end(), {info_.lengths->fixedId, info_.lengths->fixedId + 1});
  return ids;
}

bool SymbologyDialogModel::checked(int id) const {
  for (std::size_t i = 0; i < boxes_.size(); ++i)
    if (info_.boxes[i].id == id) return boxes_[i];
  for (std::size_t g = 0; g < radios_.size(); ++g)
    if (radios_[g] >= 0 && info_.radios[g].firstId + radios_[g] == id) return true;
  return info_.lengths && id == info_.lengths->fixedId + (range_ ? 1 : 0);
}

bool SymbologyDialogModel::click(int id) {
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    if (info_.boxes[i].id != id) continue;
    boxes_[i] = !boxes_[i];
    return true;
  }
  for (std::size_t g = 0; g < radios_.size(); ++g) {
    const RadioGroupInfo& group = info_.radios[g];
    if (id < group.firstId || id >= group.firstId + group.count) continue;
    radios_[g] = id - group.firstId;
    return true;
  }
  if (!info_.lengths || id < info_.lengths->fixedId || id > info_.lengths->fixedId + 1) return false;
  range_ = id != info_.lengths->fixedId;
  return true;
}

std::optional<std::string> SymbologyDialogModel::firstLengthChanged(std::string_view text) {
  const auto number = readNumber(text);
  first_ = number && *number < 128 ? *number : 127;
  if (number || text.empty()) return std::nullopt;
  return std::string("127");
}

std::optional<std::string> SymbologyDialogModel::secondLengthChanged(std::string_view text) {
  const auto number = readNumber(text);
  second_ = number ? *number : 1;
  if (number || text.empty()) return std::nullopt;
  return std::string("1");
}

void SymbologyDialogModel::ok(BarcodeRecord record) const {
  for (std::size_t g = 0; g < radios_.size(); ++g) writeRadios(info_.radios[g], radios_[g], record);
  for (std::size_t i = 0; i < boxes_.size(); ++i) record.setFlag(info_.boxes[i].flag, boxes_[i]);
  if (info_.lengths) record.setLength(info_.lengths->symbology, lengthsToStore(range_, first_, second_));
}

}  // namespace k60::editor
