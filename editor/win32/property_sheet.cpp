// The property sheet frame: the six pages in tab order and the sheet's header.
#include "editor/win32/property_sheet.h"

#include <array>
#include <iterator>
#include <string>
#include <vector>

#include "editor/editor_texts.h"
#include "editor/win32/pages.h"
#include "template/win32/utf16_text.h"

namespace k60::editor {
namespace {

struct PageEntry {
  const wchar_t* resource;  // the page's tab text is its dialog resource's caption
  std::unique_ptr<ui::Dialog> (*make)(SheetContext&);
};

constexpr PageEntry kPages[] = {
    {L"FORMDLG", makeFormPage},
    {L"MENUDLG", makeMenuPage},
    {L"LOOKUPDLG", makeLookupPage},
    {L"BARCODESETTINGDLG", makeBarcodePage},
    {L"SETTINGSDLG", makeSettingsPage},
    {L"STARTUPDLG", makeStartupPage},
};

}  // namespace

bool showPropertySheet(SheetContext& context) {
  std::vector<std::unique_ptr<ui::Dialog>> pages;
  std::vector<PROPSHEETPAGEW> sheetPages;
  for (const PageEntry& entry : kPages) {
    pages.push_back(entry.make(context));
    sheetPages.push_back(pages.back()->sheetPage(context.instance, entry.resource));
  }
  PROPSHEETHEADERW header = {};
  header.dwSize = sizeof header;
  // The icon is named, but the program has no resource of that name: the sheet shows none.
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_USEICONID;
  header.hwndParent = context.owner;
  header.hInstance = context.instance;
  header.pszIcon = L"ORVZQ";
  const std::wstring caption = utf8ToUtf16(std::string(text::kSheetCaption));
  header.pszCaption = caption.c_str();
  header.nPages = static_cast<UINT>(sheetPages.size());
  header.nStartPage = 0;
  header.ppsp = sheetPages.data();
  return PropertySheetW(&header) >= 0;
}

}  // namespace k60::editor
