// The prompt-page dialogs' table and rules.
#include "editor/prompt_pages.h"

#include "editor/control_table.h"
#include "resources/editor_ids.h"

namespace k60::editor {

using P = PromptPageId;

namespace {

constexpr int B = IDC_PROMPT_WELCOME;

// The welcome dialog's lines 1 and 4, set whenever it opens (13 bytes each; GB2312).
constexpr std::string_view kWelcomeFirst = "    ORVO     ";
constexpr std::string_view kWelcomeLast = "  \xB0\xE6\xB1\xBE 4.10  ";  // "  版本 4.10  "

}  // namespace

// The main menu and confirm dialogs leave line 4 alone: it is neither shown nor stored.
const std::array<PromptDialog, kPromptPageCount> kPromptDialogs = {{
    {B + 0, "WelcomePageDlg", P::Welcome, 4, 3, true},
    {B + 1, "MainPageDlg", P::MainMenu, 3, 3, false},
    {B + 2, "UtilityPageDlg", P::UtilityMenu, 8, 8, false},
    {B + 3, "DeletePageDlg", P::DeleteMenu, 4, 4, false},
    {B + 4, "ConfirmPageDlg", P::Confirm, 3, 3, false},
    {B + 5, "MemoryPageDlg", P::MemoryBattery, 4, 4, false},
    {B + 6, "LookupPageDlg", P::LookupDownload, 4, 4, false},
    {B + 7, "SettingsPageDlg", P::SettingsMenu, 8, 8, false},
    {B + 8, "UploadPageDlg", P::UploadMenu, 8, 8, false},
    {B + 9, "DownloadPageDlg", P::DownloadMenu, 8, 8, false},
    {B + 10, "BaudRatePageDlg", P::BaudRateMenu, 5, 5, false},
    {B + 11, "BacklightPageDlg", P::Backlight, 4, 4, false},
    {B + 12, "DataErasePageDlg", P::DataErase, 4, 4, false},
    {B + 13, "RecordPromptPageDlg", P::RecordPrompt, 4, 4, false},
    {B + 14, "ViewSettingsPageDlg", P::ViewSettings, 8, 8, false},
    {B + 15, "ConnectingMsgDlg", P::Connecting, 4, 4, false},
    {B + 16, "ErrorMsgDlg", P::ErrorMessages, 5, 5, false},
    {B + 17, "MiscMsgDlg", P::OtherMessages, 7, 7, false},
}};

const PromptDialog* promptDialogOf(int button) { return findId(kPromptDialogs, button, &PromptDialog::button); }

int promptLineBox(std::size_t line) { return IDC_PROMPT_LINE_1 + static_cast<int>(line); }

bool promptLineEditable(const PromptDialog& dialog, std::size_t line) {
  return !dialog.fixedEnds || (line != 0 && line + 1 != dialog.shown);
}

std::vector<std::string> openPromptDialog(Template& t, const PromptDialog& dialog) {
  PromptPage page = t.prompt(dialog.page);
  if (dialog.fixedEnds) {
    page.setLine(0, kWelcomeFirst);
    page.setLine(page.lineCount() - 1, kWelcomeLast);
  }
  std::vector<std::string> lines;
  for (std::size_t line = 0; line < dialog.shown; ++line) lines.push_back(page.line(line));
  return lines;
}

TextAnswer promptLineChanged(const PromptDialog& dialog, std::string_view gb) {
  return cutBoxText(gb, kPromptPages[static_cast<std::size_t>(dialog.page)].slot - 1);
}

void storePromptDialog(Template& t, const PromptDialog& dialog, const std::vector<std::string>& lines) {
  PromptPage page = t.prompt(dialog.page);
  for (std::size_t line = 0; line < dialog.stored && line < lines.size(); ++line) page.setLine(line, lines[line]);
}

}  // namespace k60::editor
