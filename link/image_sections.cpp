// The barcode, prompt, settings and password sections of the program image.
#include "link/image_sections.h"

#include "template/prompt_pages.h"

namespace k60::link {
namespace {

// A choice sent one up within its two bits, 0 staying 0: 0, 1, 2 go out as 0, 2, 3.
std::uint8_t raisedChoice(std::uint8_t v) { return v == 0 ? 0 : static_cast<std::uint8_t>((v + 1) & 3); }

}  // namespace

void adjustBarcodeCopy(BarcodeRecord barcode) {
  barcode.setKeyboardType(static_cast<std::uint8_t>(barcode.keyboardType() + 1));
  barcode.setShiftLockType(raisedChoice(barcode.shiftLockType()));
  barcode.setDigitLayout(raisedChoice(barcode.digitLayout()));
}

void padPromptSection(std::span<std::uint8_t> prompts) {
  for (const PromptPageInfo& info : kPromptPages) {
    PromptPage page(prompts.subspan(info.offset, info.lines * info.slot), info);
    for (std::size_t line = 0; line < page.lineCount(); ++line) padLine(page.lineSlot(line), page.maxText());
  }
}

void adjustSettingsCopy(SettingsRecord settings) {
  using S = SettingsRecord;
  for (std::size_t at : {S::kUploadPort, S::kDownloadPort, S::kRate, S::kBacklight, S::kDataErase, S::kRecordPrompt})
    settings.setByte(at, static_cast<std::uint8_t>(settings.byte(at) + 1));
  settings.setByte(S::kBacklightDurationByte, S::kBacklightDuration);
}

void upperCasePassword(std::span<std::uint8_t> password) {
  for (std::uint8_t& b : password)
    if (b >= 'a' && b <= 'z') b = static_cast<std::uint8_t>(b - 'a' + 'A');
}

}  // namespace k60::link
