#!/usr/bin/env bash
# Checks a release zip the way a Windows user meets it: unpacked into a fresh directory whose
# path holds Chinese characters and a space, k60gen.exe started under Wine shows its main
# window, opens both help pages from beside itself and closes; k60tool.exe --version names
# the project's version, as do the zip's name, the read-me and k60gen.exe's version resource.
# Also: the zip holds exactly the release files, the programs are stripped and import only
# Windows system DLLs, the help pages are those of the source tree.
#
#   tests/package/check_package.sh [RELEASE.zip]
#
# Without an argument it checks the zip that scripts/package.sh writes for the project's
# version, dist/k60gen-VERSION-windows-x64.zip.
# Its Wine prefix and helper live in build/package-check/. Exits non-zero on any failure.
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)

version=$(sed -n 's/^project(k60 VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
name=k60gen-$version-windows-x64
zip=${1:-$root/dist/$name.zip}
if [[ $# -gt 1 || ! -f "$zip" ]]; then
  echo "usage: $0 [RELEASE.zip]   (no such file: $zip)" >&2
  exit 2
fi
zip=$(cd "$(dirname "$zip")" && pwd)/$(basename "$zip")

# One virtual screen for every Wine start of the check.
if [[ -z "${DISPLAY:-}" ]]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "${BASH_SOURCE[0]}" "$@"
fi

failures=0
pass() { echo "ok    $*"; }
fail() { echo "FAIL  $*"; failures=$((failures + 1)); }
check() {  # DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}

echo "project version: $version"
check "the zip is named $name.zip" test "$(basename "$zip")" = "$name.zip"

# Exactly these files, in one folder named like the zip.
expected=$(printf '%s\n' "$name/" "$name/k60gen.exe" "$name/k60tool.exe" "$name/README.txt" \
  "$name/ZQ.htm" "$name/ZQ-index.htm" "$name/licenses/" "$name/licenses/README.txt" \
  "$name/licenses/mingw-w64.txt" "$name/licenses/gcc-runtime.txt" "$name/licenses/GPL-3.txt" \
  "$name/licenses/CLI11.txt" "$name/licenses/nlohmann-json.txt" | sort)
listed=$(unzip -Z1 "$zip" | sort)
check "the zip holds the programs, help pages, read-me and licences, nothing else" \
  test "$listed" = "$expected"
[[ "$listed" == "$expected" ]] || diff <(echo "$expected") <(echo "$listed") | sed 's/^/      /'

work=$(mktemp -d "${TMPDIR:-/tmp}/k60 发布检查.XXXXXX")
trap 'rm -rf "$work"' EXIT
check "unpacks into '$work'" unzip -q "$zip" -d "$work"
dir=$work/$name

for page in ZQ.htm ZQ-index.htm; do
  check "$page lies beside k60gen.exe, as in resources/help" cmp -s "$root/resources/help/$page" "$dir/$page"
done

# Whole outputs first: grep -q stopping early must not turn into a broken pipe that counts.
stripped() {
  local symbols sections
  symbols=$(x86_64-w64-mingw32-objdump -t "$1") && sections=$(x86_64-w64-mingw32-objdump -h "$1") &&
    grep -qx 'no symbols' <<<"$symbols" && ! grep -q '\.debug_' <<<"$sections"
}

# A statically linked program needs nothing but the DLLs every Windows has.
system_dlls='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|ole32|oleaut32|advapi32|msvcrt|winmm|ws2_32|version|shlwapi)\.dll$'
for exe in k60gen.exe k60tool.exe; do
  imports=$(x86_64-w64-mingw32-objdump -p "$dir/$exe" | awk '/DLL Name:/ {print tolower($3)}')
  others=$(grep -Ev "$system_dlls" <<<"$imports" || true)
  check "$exe imports only Windows system DLLs ($(echo $imports))" test -n "$imports" -a -z "$others"
  check "$exe is stripped: no symbol table, no debug sections" stripped "$dir/$exe"
done

readme=$dir/README.txt
check "README.txt names version $version" grep -q "generator $version" "$readme"
check "README.txt starts with a UTF-8 byte order mark" \
  test "$(head -c 3 "$readme" | od -An -tx1 | tr -d ' ')" = efbbbf
check "README.txt has CR LF line ends only" \
  test "$(grep -c $'\r$' "$readme")" = "$(wc -l < "$readme")"
for f in "$dir"/licenses/*.txt; do
  check "licence text $(basename "$f") is not empty" test -s "$f"
done
check "the GCC Runtime Library Exception is included" \
  grep -q "GCC RUNTIME LIBRARY EXCEPTION" "$dir/licenses/gcc-runtime.txt"

# Wine: the check's own prefix, and its helper built from source (not part of the release).
mkdir -p "$root/build/package-check"
export K60_WINEPREFIX=$root/build/package-check/wineprefix
export K60_WINE_TIMEOUT=300
probe=$root/build/package-check/package_probe.exe
if [[ ! -f "$probe" || "$here/package_probe.cpp" -nt "$probe" ]]; then
  x86_64-w64-mingw32-g++-posix -std=c++20 -O1 -Wall -Wextra -Wno-missing-field-initializers \
    -municode -static -s -o "$probe" "$here/package_probe.cpp" -lversion ||
    { fail "building the helper package_probe.exe"; exit 1; }
fi
wine_run() { "$root/scripts/wine-run.sh" "$@" 2>>"$work/wine.log" | tr -d '\r'; }
winpath() { local p=${1//\//\\}; echo "Z:$p"; }

tool_version=$(cd "$dir" && wine_run ./k60tool.exe --version)
check "unpacked k60tool.exe --version prints 'k60tool $version' (got '$tool_version')" \
  test "$tool_version" = "k60tool $version"

resource_version=$(wine_run "$probe" version "$(winpath "$dir/k60gen.exe")")
check "k60gen.exe's version resource says $version (got '$resource_version')" \
  test "$resource_version" = "$version"

echo "starting the unpacked k60gen.exe under Wine:"
if wine_run "$probe" run "$(winpath "$dir/k60gen.exe")" "$(winpath "$work/opened.txt")" \
    > "$work/probe.txt"; then
  sed 's/^/      /' "$work/probe.txt"
  pass "k60gen.exe showed its main window, opened ZQ.htm and ZQ-index.htm beside itself, closed"
else
  sed 's/^/      /' "$work/probe.txt"
  fail "k60gen.exe started from the unpacked directory"
fi

if [[ $failures -ne 0 ]]; then
  echo "package check: $failures FAILED"
  [[ -s "$work/wine.log" ]] && sed 's/^/      wine: /' "$work/wine.log" | tail -n 20
  exit 1
fi
echo "package check: all passed"
