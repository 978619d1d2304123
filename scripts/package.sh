#!/usr/bin/env bash
# Builds the Windows release and writes dist/k60gen-VERSION-windows-x64.zip: the stripped,
# statically linked k60gen.exe and k60tool.exe, the help pages beside k60gen.exe (where its
# help commands look for them), a read-me in Chinese and English, and the licence texts of
# the libraries linked into the programs. Prints the zip's path and size.
#
#   scripts/package.sh
#
# The release build has a directory of its own (build/release, the "release" preset); the
# version is the project's (CMakeLists.txt).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$PWD

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release

build=build/release
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[[ -n "$version" ]] || { echo "package: no project version in $build/CMakeCache.txt" >&2; exit 1; }
name=k60gen-$version-windows-x64
stage=$build/package/$name
rm -rf "$build/package"
mkdir -p "$stage/licenses" dist

cp "$build/k60gen.exe" "$build/tools/k60tool/k60tool.exe" "$stage/"
cp resources/help/*.htm "$stage/"

# Text files for Notepad: CR LF line ends; the read-mes also get a UTF-8 byte order mark,
# without which an older Notepad on a Chinese Windows reads them as GBK.
windows_text() { sed 's/\r$//; s/$/\r/' "$1"; }
with_bom() { printf '\xef\xbb\xbf'; windows_text /dev/stdin; }

sed "s/@VERSION@/$version/g" packaging/README.txt.in | with_bom > "$stage/README.txt"
with_bom < packaging/licenses.txt > "$stage/licenses/README.txt"

# The licence texts as the installed Debian packages state them (see packaging/licenses.txt).
licence() {  # FILE-IN-ZIP SOURCE
  [[ -s "$2" ]] || { echo "package: missing licence text $2" >&2; exit 1; }
  windows_text "$2" > "$stage/licenses/$1"
}
licence mingw-w64.txt /usr/share/doc/mingw-w64-x86-64-dev/copyright
licence gcc-runtime.txt /usr/share/doc/gcc-mingw-w64-base/copyright
licence GPL-3.txt /usr/share/common-licenses/GPL-3
licence CLI11.txt /usr/share/doc/libcli11-dev/copyright
licence nlohmann-json.txt /usr/share/doc/nlohmann-json3-dev/copyright

zip=dist/$name.zip
rm -f "$zip"
(cd "$build/package" && zip -q -r -X "$root/$zip.part" "$name")
mv "$zip.part" "$zip"

size() { stat -c %s "$1"; }
echo
echo "$PWD/$zip: $(size "$zip") bytes"
echo "  k60gen.exe  $(size "$stage/k60gen.exe") bytes"
echo "  k60tool.exe $(size "$stage/k60tool.exe") bytes"
