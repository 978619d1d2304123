#!/usr/bin/env bash
# Builds both presets and runs all their tests: native on Linux, the Windows build under Wine + Xvfb.
# Exits non-zero when any step fails.
set -uo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."

# --deep (what CI runs) adds every native test under AddressSanitizer and
# UndefinedBehaviorSanitizer, and each fuzz harness for a fixed number of runs from seed 1.
deep=0
[[ ${1:-} == --deep ]] && deep=1

results=()
failed=0

step() {  # step NAME COMMAND...
  local name=$1; shift
  echo
  echo "=== $name: $*"
  if "$@"; then
    results+=("ok      $name")
    return 0
  fi
  results+=("FAILED  $name")
  failed=1
  return 1
}

shots=build/windows/screenshots

summary() {
  echo
  echo "=== Summary"
  printf '  %s\n' "${results[@]}"
  if compgen -G "$shots/*.png" >/dev/null; then
    echo "Screenshots of this run, in $PWD/$shots:"
    (cd "$shots" && ls -1 ./*.png | sed 's|^\./|  |')
  fi
  if [[ $failed -eq 0 ]]; then
    echo "All builds and tests passed."
  else
    echo "Some steps FAILED (see above)."
  fi
}
trap summary EXIT

step "install dependencies" scripts/install-deps.sh || exit 1

# A preset's later steps are skipped once one fails; the other preset still runs.
step "native: configure" cmake --preset native &&
  step "native: build" cmake --build --preset native &&
  step "native: test" ctest --preset native

# The Windows tests and the screenshot script both add to the directory: it holds this
# run's screenshots only.
rm -rf "$shots"
step "windows: configure" cmake --preset windows &&
  step "windows: build" cmake --build --preset windows &&
  step "windows: test (Wine, Xvfb)" xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset windows &&
  step "windows: screenshots (build/windows/screenshots)" scripts/screenshots.sh

# The release zip, built in build/release, unpacked and started as a Windows user would.
step "package: build (build/release, dist/)" scripts/package.sh &&
  step "package: check (unpacked, under Wine)" tests/package/check_package.sh

if [[ $deep -eq 1 ]]; then
  step "sanitize: configure" cmake --preset sanitize &&
    step "sanitize: build" cmake --build --preset sanitize &&
    step "sanitize: test" ctest --preset sanitize
  step "fuzz: configure (clang, libFuzzer)" cmake --preset fuzz &&
    step "fuzz: build" cmake --build --preset fuzz &&
    step "fuzz: run the harnesses" scripts/fuzz.sh
fi

exit $failed
