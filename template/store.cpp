// The template store: block access, typed views and the current file name.
#include "template/store.h"

#include "template/barcode_record.h"
#include "template/form_record.h"
#include "template/gb_text.h"
#include "template/lookup_record.h"
#include "template/menu_record.h"
#include "template/prompt_pages.h"
#include "template/settings_record.h"
#include "template/startup_options.h"

namespace k60 {
namespace {

Bytes record(Bytes block, std::size_t index, std::size_t size, std::size_t count) {
  if (index >= count) index = count - 1;  // never address outside the block
  return block.subspan(index * size, size);
}

}  // namespace

Bytes Template::block(Block b) {
  const BlockSpan s = blockSpan(b);
  return Bytes(bytes_).subspan(s.offset, s.size);
}

ConstBytes Template::block(Block b) const {
  const BlockSpan s = blockSpan(b);
  return ConstBytes(bytes_).subspan(s.offset, s.size);
}

FormRecord Template::form(std::size_t index) {
  return FormRecord(record(block(Block::Forms), index, kFormRecordSize, kFormCount));
}

MenuRecord Template::menu(std::size_t index) {
  return MenuRecord(record(block(Block::Menus), index, kMenuRecordSize, kMenuCount));
}

LookupRecord Template::lookup(std::size_t index) {
  return LookupRecord(record(block(Block::Lookups), index, kLookupRecordSize, kLookupCount));
}

BarcodeRecord Template::barcode() { return BarcodeRecord(block(Block::Barcode)); }
SettingsRecord Template::settings() { return SettingsRecord(block(Block::Settings)); }
ExtensionBlock Template::extension() { return ExtensionBlock(block(Block::Extension)); }
StartupOptions Template::startup() { return StartupOptions(*this); }

PromptPage Template::prompt(PromptPageId page) {
  const PromptPageInfo& info = kPromptPages[static_cast<std::size_t>(page)];
  return PromptPage(block(Block::Prompts).subspan(info.offset, info.lines * info.slot), info);
}

std::string Template::password() const { return readSlot(block(Block::Password)); }

void Template::setPassword(std::string_view gbText) {
  writeSlot(block(Block::Password), gbText, blockSpan(Block::Password).size);
}

// The limit is counted as the name is held in the user's code page (a Chinese character
// takes two bytes), not in UTF-8 (three); a name outside that code page counts its UTF-8.
std::size_t Template::fileNameBytes(std::string_view path) {
  const auto gb = utf8ToGb(path);
  return gb ? gb->size() : path.size();
}

bool Template::setFileName(std::string_view path) {
  if (fileNameBytes(path) > kMaxFileNameBytes) return false;
  fileName_.assign(path);
  return true;
}

}  // namespace k60
