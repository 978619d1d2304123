#!/usr/bin/env bash
# Runs a Windows program under Wine in the build tree's own prefix.
# CTest uses it as the cross build's emulator; run.sh uses it to start k60gen.exe.
#
#   scripts/wine-run.sh PROGRAM.exe [ARGS...]
#
# Environment: K60_WINEPREFIX  the prefix (default: <build dir>/wineprefix, where the build
#                              dir is the tree holding PROGRAM, else build/windows)
#              K60_WINE_TIMEOUT seconds before the program is killed (default: none with a
#                              DISPLAY; 600 when this script has to start its own Xvfb)
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(dirname "$here")

if [[ $# -eq 0 ]]; then
  echo "usage: $0 PROGRAM.exe [ARGS...]" >&2
  exit 2
fi

# Without a display Wine cannot create windows: give ourselves a virtual one.
if [[ -z "${DISPLAY:-}" ]]; then
  if command -v xvfb-run >/dev/null; then
    export K60_WINE_TIMEOUT="${K60_WINE_TIMEOUT:-600}"
    exec xvfb-run -a -s "-screen 0 1024x768x24" "${BASH_SOURCE[0]}" "$@"
  fi
  echo "wine-run: no DISPLAY and no xvfb-run; windows cannot be shown" >&2
fi

# The build tree is the nearest directory above the program that holds a CMakeCache.txt.
build_dir_of() {
  local d
  if [[ -e "$1" ]]; then
    d=$(cd "$(dirname "$1")" && pwd)
    while [[ "$d" != / ]]; do
      if [[ -f "$d/CMakeCache.txt" ]]; then
        echo "$d"
        return
      fi
      d=$(dirname "$d")
    done
  fi
  echo "$root/build/windows"
}

if [[ -n "${K60_WINEPREFIX:-}" ]]; then
  WINEPREFIX=$K60_WINEPREFIX
else
  WINEPREFIX="$(build_dir_of "$1")/wineprefix"
fi
mkdir -p "$(dirname "$WINEPREFIX")"
WINEPREFIX=$(cd "$(dirname "$WINEPREFIX")" && pwd)/$(basename "$WINEPREFIX")
export WINEPREFIX
export WINEDEBUG=-all

# Debian's `wine` starts its 32-bit loader whenever that is installed; on a kernel that
# cannot run 32-bit programs ("Exec format error") our 64-bit programs need the 64-bit one.
WINE=wine
if ! wine --version >/dev/null 2>&1 && [[ -x /usr/lib/wine/wine64 ]]; then
  WINE=/usr/lib/wine/wine64
  export WINELOADER=$WINE
fi

# Bump the number when the set-up below changes: existing prefixes then get it again.
ready="$WINEPREFIX/.k60-prefix-ready-2"

# Registry settings of the prefix. Wine shows Chinese text as boxes unless the usual Chinese
# UI fonts are replaced by an installed one. regedit wants UTF-16LE with a byte order mark.
write_prefix_settings() {
  {
    printf '\xff\xfe'
    iconv -f UTF-8 -t UTF-16LE <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"SimSun"="WenQuanYi Micro Hei Mono"
"NSimSun"="WenQuanYi Micro Hei Mono"
"宋体"="WenQuanYi Micro Hei Mono"
"MS Shell Dlg"="WenQuanYi Micro Hei"
"Tahoma"="WenQuanYi Micro Hei"

; Without a window manager (Xvfb) hiding a managed window waits 2 s for one: keep
; windows unmanaged, except the program itself for people running it on their desktop.
[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\AppDefaults\k60gen.exe\X11 Driver]
"Managed"="Y"

REG
  } > "$1"
}

set_up_prefix() {
  local log="$WINEPREFIX.log"
  echo "wine-run: setting up Wine prefix $WINEPREFIX (once; log in $log)" >&2
  : > "$log"
  # No Mono/Gecko: their installers would ask over the network and nothing here needs them.
  if ! WINEDLLOVERRIDES="mscoree,mshtml=" timeout -k 10 300 "$WINE" wineboot -i >>"$log" 2>&1 9>&-; then
    echo "wine-run: wineboot failed" >&2; tail -n 20 "$log" >&2; return 1
  fi
  # A first process right after wineboot keeps a later first window from taking a minute.
  timeout -k 10 120 "$WINE" cmd /c exit >>"$log" 2>&1 9>&- || true
  write_prefix_settings "$WINEPREFIX/drive_c/k60-settings.reg"
  if ! timeout -k 10 120 "$WINE" regedit /S 'C:\k60-settings.reg' >>"$log" 2>&1 9>&-; then
    echo "wine-run: importing the registry settings failed" >&2; tail -n 20 "$log" >&2; return 1
  fi
  # Let the server write the registry to disk before the prefix counts as ready.
  timeout -k 5 60 wineserver -w >>"$log" 2>&1 9>&- || true
  touch "$ready"
}

if [[ ! -f "$ready" ]]; then
  # Parallel tests share the prefix: one sets it up, the others wait. Wine processes started
  # during set-up must not inherit the lock: the server outlives them and would keep it.
  exec 9>"$WINEPREFIX.lock"
  if ! flock -w 600 9; then
    echo "wine-run: gave up waiting for $WINEPREFIX.lock" >&2
    exit 1
  fi
  if [[ ! -f "$ready" ]]; then
    set_up_prefix || exit 1
  fi
  exec 9>&-
fi

if [[ -n "${K60_WINE_TIMEOUT:-}" && "${K60_WINE_TIMEOUT}" != 0 ]]; then
  exec timeout -k 10 "$K60_WINE_TIMEOUT" "$WINE" "$@"
fi
exec "$WINE" "$@"
