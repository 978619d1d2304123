// The common Open and Save As dialogs, set up for template files.
#include "shell/win32/file_dialogs.h"

#include <commdlg.h>

#include "resources/resource_ids.h"
#include "template/win32/utf16_text.h"

namespace k60::shell {
namespace {


// A description or pattern is at most 127 characters.
std::wstring loadText(HINSTANCE instance, UINT id) {
  wchar_t text[128] = {};
  LoadStringW(instance, id, text, 128);
  return text;
}

void appendFilter(std::wstring& list, const std::wstring& description, const std::wstring& pattern) {
  list += description;
  list += L'\0';
  list += pattern;
  list += L'\0';
}

}  // namespace

std::wstring filterList(std::initializer_list<text::Filter> filters) {
  std::wstring list;
  for (const text::Filter& f : filters)
    appendFilter(list, utf8ToUtf16(std::string(f.description)), utf8ToUtf16(std::string(f.pattern)));
  list += L'\0';
  return list;
}

namespace {

std::optional<std::wstring> chosenPath(BOOL ok, const std::wstring& buffer) {
  if (!ok) return std::nullopt;
  return std::wstring(buffer.c_str());
}

}  // namespace

OPENFILENAMEW fileDialogSetup(HWND owner, const wchar_t* filter, std::wstring& buffer) {
  OPENFILENAMEW ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter;
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  return ofn;
}

std::wstring openDialogFilter(HINSTANCE instance) {
  std::wstring list;
  appendFilter(list, loadText(instance, IDS_FILTER_ATX_NAME), loadText(instance, IDS_FILTER_ATX_PATTERN));
  appendFilter(list, loadText(instance, IDS_FILTER_ALL_NAME), loadText(instance, IDS_FILTER_ALL_PATTERN));
  list += L'\0';
  return list;
}

std::optional<std::wstring> chooseFileToOpen(HINSTANCE instance, HWND owner) {
  const std::wstring filter = openDialogFilter(instance);
  std::wstring buffer(kPathBufferChars, L'\0');
  OPENFILENAMEW ofn = fileDialogSetup(owner, filter.c_str(), buffer);
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  return chosenPath(GetOpenFileNameW(&ofn), buffer);
}

std::optional<std::wstring> chooseFileToSaveAs(HWND owner) {
  const std::wstring filter = filterList({text::kSaveAsFilter});
  std::wstring buffer(kPathBufferChars, L'\0');
  OPENFILENAMEW ofn = fileDialogSetup(owner, filter.c_str(), buffer);
  ofn.lpstrDefExt = L"ATX";
  ofn.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
  return chosenPath(GetSaveFileNameW(&ofn), buffer);
}

}  // namespace k60::shell
