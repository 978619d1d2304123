// Entry point of k60gen.exe.
#include <windows.h>

#include "shell/win32/application.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  return k60::shell::runApplication(instance, showCommand);
}
