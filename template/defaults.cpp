// The two resets of a new template.
#include "template/defaults.h"

#include "template/barcode_record.h"
#include "template/form_record.h"
#include "template/lookup_record.h"
#include "template/menu_record.h"
#include "template/prompt_pages.h"
#include "template/settings_record.h"

namespace k60 {
namespace {

struct BitEdit {
  std::uint8_t clear;
  std::uint8_t set;
};

// Per byte of the barcode record: bits cleared, then bits set. Bytes 11 and 23 are not
// touched; the rest are assigned (all bits cleared, then the value set).
constexpr BitEdit kBarcodeReset[BarcodeRecord::kSize] = {
    {0x00, 0x9B}, {0x00, 0xC9}, {0x06, 0x00}, {0xFF, 0x00}, {0xFF, 0x00}, {0x00, 0x2D},
    {0x0B, 0x54}, {0x78, 0x80}, {0xFF, 0x00}, {0x20, 0x19}, {0x00, 0x3D}, {0x00, 0x00},
    {0xFF, 0xFF}, {0xFF, 0x01}, {0xFF, 0xFE}, {0xFF, 0x01}, {0xFF, 0xFF}, {0xFF, 0x01},
    {0xFF, 0xFF}, {0xFF, 0x01}, {0xFF, 0x66}, {0xFF, 0x03}, {0xFF, 0x03}, {0x00, 0x00},
};

void resetMenu(MenuRecord m) {
  m.setFont(1);
  m.setTitleOn(false);
  m.titleSlot()[0] = 0;
  for (std::size_t i = 0; i < MenuRecord::kItems; ++i) {
    m.itemSlot(i)[0] = 0;
    m.setItemTarget(i, 0);
  }
  m.setEscTarget(0);
  for (std::size_t at = MenuRecord::kSaveTitle; at < MenuRecord::kSize; ++at) m.setByte(at, 0);
}

void resetForm(FormRecord f, std::uint8_t number) {
  using F = FormRecord;
  f.setFont(1);
  f.setCancelTarget(0);
  f.setNextTarget(number);
  for (std::size_t at = F::kDateStamp; at <= F::kLookupFile; ++at) f.setByte(at, 0);
  constexpr std::size_t kZeroPerLine[] = {F::kLookupBinding, F::kDataType,   F::kMinLength,
                                          F::kFixedLengthOn, F::kAlignment,  F::kFixedLength,
                                          F::kInitialOn,     F::kPrefixOn,   F::kSuffixOn,
                                          F::kPartialOn,     F::kPartialStart, F::kCheckPrefixOn,
                                          F::kReserved};
  for (std::size_t i = 0; i < F::kLines; ++i) {
    for (std::size_t at : kZeroPerLine) f.setByte(at + i, 0);
    f.promptSlot(i)[0] = 0;
    f.setByte(F::kInitialValue + F::kValueSlot * i, 0);
    f.setByte(F::kPrefix + F::kValueSlot * i, 0);
    f.setByte(F::kSuffix + F::kValueSlot * i, 0);
    f.setByte(F::kCheckPrefix + F::kCheckPrefixSlot * i, 0);
    f.setDataSource(i, 2);
    f.setMaxLength(i, 50);
    f.setPartialMaxLength(i, 20);
    f.setAutoWrap(i, 1);
  }
  f.setInputLineCount(0);
  f.setCurrentLine(0);
}

void resetLookup(LookupRecord l) {
  l.setMemberLength(0);
  l.setFieldCount(0);
  l.setKeyField(0);
  for (std::size_t k = 0; k < LookupRecord::kFields; ++k) {
    l.setFieldOffset(k, 1);
    l.setFieldLength(k, 0);
  }
}

void resetPrompts(Template& t) {
  for (std::size_t p = 0; p < kPromptPageCount; ++p) {
    PromptPage page = t.prompt(static_cast<PromptPageId>(p));
    for (std::size_t line = 0; line < page.lineCount(); ++line)
      writeSlotExact(page.lineSlot(line), kDefaultPromptTexts[p][line]);
  }
}

}  // namespace

void resetBarcode(Template& t) {
  Bytes b = t.block(Block::Barcode);
  for (std::size_t i = 0; i < b.size(); ++i)
    b[i] = static_cast<std::uint8_t>((b[i] & ~kBarcodeReset[i].clear) | kBarcodeReset[i].set);
}

void resetTemplate(Template& t) {
  for (std::size_t i = 0; i < kMenuCount; ++i) resetMenu(t.menu(i));
  for (std::size_t i = 0; i < kFormCount; ++i) resetForm(t.form(i), static_cast<std::uint8_t>(i + 1));
  for (std::size_t i = 0; i < kLookupCount; ++i) resetLookup(t.lookup(i));
  t.block(Block::StartPosition)[0] = 0;
  t.block(Block::Separator)[0] = ',';
  t.block(Block::Separator)[1] = 0;
  resetPrompts(t);
  Bytes settings = t.block(Block::Settings);
  std::fill(settings.begin(), settings.end(), 0);
  settings[SettingsRecord::kBacklightDurationByte] = SettingsRecord::kBacklightDuration;
  Bytes password = t.block(Block::Password);
  std::fill(password.begin(), password.end(), 0);
  t.extension().reset();
}

}  // namespace k60
