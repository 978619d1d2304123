#!/usr/bin/env bash
# Runs each fuzz harness of build/fuzz for a fixed number of runs from seed 1, starting from
# its seed corpus in fuzz/corpus/ (new inputs go to a scratch directory, not the repository).
# A failure leaves its input in build/fuzz/findings/ and ends with a non-zero status; rerun it
# with: build/fuzz/fuzz/NAME_fuzz build/fuzz/findings/crash-...
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# Runs chosen for about two minutes in all on an idle core (three on a busy machine).
declare -A runs=([template]=100000 [lookup]=200000 [collection]=20000 [simulator]=8000)
findings=build/fuzz/findings
mkdir -p "$findings"
failed=0
for name in template lookup collection simulator; do
  scratch=$(mktemp -d)
  echo "--- ${name}_fuzz: ${runs[$name]} runs"
  if ! build/fuzz/fuzz/${name}_fuzz -seed=1 -runs="${runs[$name]}" -max_len=11000 \
      -artifact_prefix="$findings/" -print_final_stats=1 "$scratch" "fuzz/corpus/$name" 2>&1 | tail -n 12; then
    failed=1
  fi
  rm -rf "$scratch"
done
exit $failed
