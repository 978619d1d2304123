// The settings page's model.
#include "editor/settings_page.h"

#include <algorithm>

#include "editor/check_box.h"
#include "editor/control_table.h"
#include "resources/editor_ids.h"

namespace k60::editor {

const std::array<SettingsControl, 12> kSecurityBoxes = {{
    {IDC_SECURITY_SETTINGS_MENU, 8, nullptr},
    {IDC_SECURITY_EDIT_DATA, 9, nullptr},
    {IDC_SECURITY_DELETE_DATA, 10, nullptr},
    {IDC_SECURITY_DATE_TIME, 11, nullptr},
    {IDC_SECURITY_DOWNLOAD_PROG, 12, nullptr},
    {IDC_SECURITY_DOWNLOAD_LOOK, 13, nullptr},
    {IDC_SECURITY_UPLOAD_PORT, 14, nullptr},
    {IDC_SECURITY_DOWNLOAD_PORT, 15, nullptr},
    {IDC_SECURITY_RATE, 16, nullptr},
    {IDC_SECURITY_BACKLIGHT, 17, nullptr},
    {IDC_SECURITY_DATA_ERASE, 18, nullptr},
    {IDC_SECURITY_RECORD_PROMPT, 19, nullptr},
}};

const std::array<SettingsControl, 6> kSettingsLists = {{
    {IDC_UPLOAD_PORT, SettingsRecord::kUploadPort, &choices::kUploadPorts},
    {IDC_DOWNLOAD_PORT, SettingsRecord::kDownloadPort, &choices::kDownloadPorts},
    {IDC_RATE, SettingsRecord::kRate, &choices::kRates},
    {IDC_BACKLIGHT, SettingsRecord::kBacklight, &choices::kBacklight},
    {IDC_DATA_ERASE, SettingsRecord::kDataErase, &choices::kDataErase},
    {IDC_RECORD_PROMPT, SettingsRecord::kRecordPrompt, &choices::kRecordPrompt},
}};

namespace {

const SettingsControl* find(int id) {
  const SettingsControl* c = findId(kSecurityBoxes, id);
  return c ? c : findId(kSettingsLists, id);
}

}  // namespace

SettingsPageModel::SettingsPageModel(Template& t) : password_(t.password()) {
  const auto record = t.block(Block::Settings);
  std::copy(record.begin(), record.end(), copy_.begin());
}

std::uint8_t* SettingsPageModel::byteOf(int id) {
  const SettingsControl* c = find(id);
  return c ? &copy_[c->offset] : nullptr;
}

std::uint8_t SettingsPageModel::value(int id) const {
  const SettingsControl* c = find(id);
  return c ? copy_[c->offset] : 0;
}

bool SettingsPageModel::toggle(int id) {
  std::uint8_t* byte = byteOf(id);
  return byte && flipByte(*byte);
}

void SettingsPageModel::select(int id, std::uint8_t position) {
  if (std::uint8_t* byte = byteOf(id)) *byte = position;
}

TextAnswer SettingsPageModel::passwordChanged(std::string_view gb) {
  TextAnswer answer = cutBoxText(gb, kPasswordBytes);
  password_ = answer.store;
  return answer;
}

void SettingsPageModel::apply(Template& t) const {
  std::copy(copy_.begin(), copy_.end(), t.block(Block::Settings).begin());
  // The same text writes the same bytes; skipping it keeps a password that does not
  // survive the trip through the box (a damaged file's bytes) exactly as it was.
  if (password_ != t.password()) t.setPassword(password_);
}

}  // namespace k60::editor
