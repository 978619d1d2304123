// ComSettingDlg: two drop-down lists over the template's two COM setting bytes.
#include "shell/win32/com_settings_dialog.h"

#include "resources/resource_ids.h"

namespace k60::shell {
namespace {

constexpr const wchar_t* kPorts[] = {L"COM1", L"COM2", L"COM3", L"COM4", L"COM5", L"COM6"};
constexpr const wchar_t* kRates[] = {L"115200", L"57600", L"38400", L"19200", L"9600"};

template <std::size_t N>
void fillList(HWND dialog, int id, const wchar_t* const (&items)[N], int selected) {
  HWND list = GetDlgItem(dialog, id);
  for (const wchar_t* item : items) SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  // A damaged template's index outside the list selects nothing (CB_ERR).
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

// The selected position; a list left without a selection keeps the stored index.
std::uint8_t selectedIndex(HWND dialog, int id, std::uint8_t stored) {
  const LRESULT pos = SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0);
  return pos == CB_ERR ? stored : static_cast<std::uint8_t>(pos);
}

INT_PTR CALLBACK comSettingsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* t = reinterpret_cast<Template*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      t = reinterpret_cast<Template*>(lParam);
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      fillList(dialog, IDC_COM_PORT, kPorts, t->comPort());
      fillList(dialog, IDC_COM_BAUD_RATE, kRates, t->comRate());
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        t->setComPort(selectedIndex(dialog, IDC_COM_PORT, t->comPort()));
        t->setComRate(selectedIndex(dialog, IDC_COM_BAUD_RATE, t->comRate()));
        EndDialog(dialog, 1);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, 0);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

INT_PTR showComSettingsDialog(HINSTANCE instance, HWND owner, Template& t) {
  return DialogBoxParamW(instance, L"ComSettingDlg", owner, comSettingsProc, reinterpret_cast<LPARAM>(&t));
}

}  // namespace k60::shell
