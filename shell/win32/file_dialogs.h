// The two common file dialogs of the file commands: Open and Save As.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <initializer_list>
#include <optional>
#include <string>

#include "shell/win32/shell_texts.h"

namespace k60::shell {

// Room for long paths: a dialog fails outright when its buffer is too small (and the
// template's own file name limit is checked by the template store afterwards).
inline constexpr std::size_t kPathBufferChars = 32768;

// An open or save dialog owned by `owner` with the filter list (first entry selected) and
// `buffer` as its name buffer; the caller adds flags and a default extension.
OPENFILENAMEW fileDialogSetup(HWND owner, const wchar_t* filter, std::wstring& buffer);

// A filter list: pairs of description and pattern, each ended by NUL, the list by a second NUL.
std::wstring filterList(std::initializer_list<text::Filter> filters);

// The Open dialog's filter list from the string table: template files, then all files.
// Pairs of description and pattern, each ended by NUL, the list by a second NUL.
std::wstring openDialogFilter(HINSTANCE instance);

// Modal Open dialog; the chosen path, or nothing when the user cancelled.
std::optional<std::wstring> chooseFileToOpen(HINSTANCE instance, HWND owner);

// Modal Save As dialog (asks before replacing a file); the chosen path, or nothing when the
// user cancelled. The dialog adds ".ATX" to a name typed without an extension.
std::optional<std::wstring> chooseFileToSaveAs(HWND owner);

}  // namespace k60::shell
