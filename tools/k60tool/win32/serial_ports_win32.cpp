// The COM ports of a Windows system, as the serial drivers list them in the registry.
#include <windows.h>

#include <algorithm>

#include "template/win32/utf16_text.h"
#include "tools/k60tool/serial_ports.h"

namespace k60::tool {

std::vector<SerialPortInfo> listSerialPorts() {
  std::vector<SerialPortInfo> ports;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) != ERROR_SUCCESS)
    return ports;
  for (DWORD i = 0;; ++i) {
    wchar_t name[256], value[256];
    DWORD nameLength = 256, valueBytes = sizeof value, type = 0;
    if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(value), &valueBytes) !=
        ERROR_SUCCESS)
      break;
    if (type != REG_SZ) continue;
    value[std::min<DWORD>(valueBytes / sizeof(wchar_t), 255)] = L'\0';
    ports.push_back({utf16ToUtf8(value), utf16ToUtf8(name)});  // COM3, \Device\Serial0
  }
  RegCloseKey(key);
  std::sort(ports.begin(), ports.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
  return ports;
}

}  // namespace k60::tool
