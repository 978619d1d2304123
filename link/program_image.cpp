// Builds the program image: the forms normalised in place, then the sections on the copy.
#include "link/program_image.h"

#include <algorithm>

#include "link/image_sections.h"
#include "template/startup_options.h"

namespace k60::link {
namespace {

static_assert(kStoreSize - blockSpan(Block::StartPosition).offset == kProgramImageSize);

std::span<std::uint8_t> section(ProgramImage& image, Block b) {
  return std::span<std::uint8_t>(image).subspan(imageOffset(b), blockSpan(b).size);
}

// These changes stay in the template: the next Save writes them.
void prepareFormsForDownload(Template& t) {
  for (std::size_t i = 0; i < kFormCount; ++i) {
    const FormRecord form = t.form(i);
    normaliseForm(form);
    prepareForm(form, InputRule::Download);
  }
}

void adjustMenus(ProgramImage& image) {
  const auto menus = section(image, Block::Menus);
  for (std::size_t i = 0; i < kMenuCount; ++i)
    normaliseMenuCopy(MenuRecord(menus.subspan(i * kMenuRecordSize, kMenuRecordSize)));
}

void convertForms(ProgramImage& image) {
  const auto forms = section(image, Block::Forms);
  for (std::size_t i = 0; i < kFormCount; ++i)
    convertFormCodes(FormRecord(forms.subspan(i * kFormRecordSize, kFormRecordSize)));
}

}  // namespace

ProgramImage buildProgramImage(Template& t) {
  prepareFormsForDownload(t);
  ProgramImage image{};
  const auto store = t.bytes().subspan(blockSpan(Block::StartPosition).offset);
  std::copy(store.begin(), store.end(), image.begin());
  image[imageOffset(Block::StartPosition)] = t.startup().startTarget();
  adjustMenus(image);
  convertForms(image);
  adjustBarcodeCopy(BarcodeRecord(section(image, Block::Barcode)));
  padPromptSection(section(image, Block::Prompts));
  adjustSettingsCopy(SettingsRecord(section(image, Block::Settings)));
  upperCasePassword(section(image, Block::Password));
  return image;
}

}  // namespace k60::link
