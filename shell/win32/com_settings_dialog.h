// The COM port settings dialog ComSettingDlg: the port (COM1..COM6) and the bit rate.
#pragma once

#include <windows.h>

#include "template/store.h"

namespace k60::shell {

// Modal. OK stores both list positions as the template's port and rate indexes (not a
// change that asks to be saved) and returns 1; Cancel changes nothing and returns 0.
INT_PTR showComSettingsDialog(HINSTANCE instance, HWND owner, Template& t);

}  // namespace k60::shell
