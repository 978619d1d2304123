// The barcode page's model.
#include "editor/barcode_page.h"

#include "editor/number_box.h"
#include "resources/editor_ids.h"

namespace k60::editor {

using F = BarcodeFlag;

const std::array<FlagBox, 22> kBarcodeCheckBoxes = {{
    {IDC_BARCODE_CODE39, F::Code39},
    {IDC_BARCODE_ITALIAN_PHARMACODE, F::ItalianPharmacode},
    {IDC_BARCODE_FRENCH_PHARMACODE, F::FrenchPharmacode},
    {IDC_BARCODE_INDUSTRIAL25, F::Industrial25},
    {IDC_BARCODE_INTERLEAVE25, F::Interleave25},
    {IDC_BARCODE_MATRIX25, F::Matrix25},
    {IDC_BARCODE_CODABAR, F::Codabar},
    {IDC_BARCODE_MSI, F::Msi},
    {IDC_BARCODE_PLESSEY, F::Plessey},
    {IDC_BARCODE_CODE93, F::Code93},
    {IDC_BARCODE_CODE128, F::Code128},
    {IDC_BARCODE_UPCE, F::Upce},
    {IDC_BARCODE_UPCE_ADDON2, F::UpceAddOn2},
    {IDC_BARCODE_UPCE_ADDON5, F::UpceAddOn5},
    {IDC_BARCODE_EAN8, F::Ean8},
    {IDC_BARCODE_EAN8_ADDON2, F::Ean8AddOn2},
    {IDC_BARCODE_EAN8_ADDON5, F::Ean8AddOn5},
    {IDC_BARCODE_EAN13_UPCA, F::Ean13Upca},
    {IDC_BARCODE_EAN13_ADDON2, F::Ean13AddOn2},
    {IDC_BARCODE_EAN13_ADDON5, F::Ean13AddOn5},
    {IDC_BARCODE_READ_INVERTED, F::ReadInverted},
    {IDC_BARCODE_TELEPEN, F::Telepen},
}};

const std::array<FieldList, 2> kBarcodeLists = {{
    {IDC_BARCODE_SCAN_MODE, BarcodeField::ScanMode, &choices::kScanModes},
    {IDC_BARCODE_REDUNDANCY, BarcodeField::ReadRedundancy, &choices::kReadRedundancy},
}};

namespace {

// The row of control `id` in `table`, or -1.
template <typename Row, std::size_t N>
int rowOf(const std::array<Row, N>& table, int id) {
  for (std::size_t i = 0; i < N; ++i)
    if (table[i].id == id) return static_cast<int>(i);
  return -1;
}

}  // namespace

BarcodePageModel::BarcodePageModel(const BarcodeRecord& record)
    : timeout_(std::to_string(record.readTimeout())) {
  for (std::size_t i = 0; i < checks_.size(); ++i) checks_[i] = record.flag(kBarcodeCheckBoxes[i].flag);
  for (std::size_t i = 0; i < selections_.size(); ++i) {
    const std::uint8_t value = record.field(kBarcodeLists[i].field);
    selections_[i] = value < kBarcodeLists[i].items->size() ? value : -1;
  }
}

bool BarcodePageModel::checked(int id) const {
  const int row = rowOf(kBarcodeCheckBoxes, id);
  return row >= 0 && checks_[row];
}

bool BarcodePageModel::toggle(int id) {
  const int row = rowOf(kBarcodeCheckBoxes, id);
  if (row < 0) return false;
  checks_[row] = !checks_[row];
  return checks_[row];
}

int BarcodePageModel::selection(int id) const {
  const int row = rowOf(kBarcodeLists, id);
  return row < 0 ? -1 : selections_[row];
}

void BarcodePageModel::select(int id, int position) {
  const int row = rowOf(kBarcodeLists, id);
  if (row >= 0 && position >= 0 && static_cast<std::size_t>(position) < kBarcodeLists[row].items->size())
    selections_[row] = position;
}

std::optional<std::string> BarcodePageModel::timeoutChanged(std::string_view text) {
  auto correction = byteBoxCorrection(text);
  timeout_ = correction ? *correction : std::string(text);
  return correction;
}

void BarcodePageModel::apply(BarcodeRecord record) const {
  for (std::size_t i = 0; i < selections_.size(); ++i)
    if (selections_[i] >= 0) record.setField(kBarcodeLists[i].field, static_cast<std::uint8_t>(selections_[i]));
  record.setReadTimeout(byteBoxValue(timeout_));
  for (std::size_t i = 0; i < checks_.size(); ++i) record.setFlag(kBarcodeCheckBoxes[i].flag, checks_[i]);
}

}  // namespace k60::editor
