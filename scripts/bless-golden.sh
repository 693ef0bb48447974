#!/usr/bin/env bash
# Takes the sim host's current images as the golden references: bless-golden.sh [NAME ...]
# (every golden test without a name). Review the images under tests/sil/golden/ by eye, then
# commit them. BUILD selects the build folder (default build/native).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD:-$root/build/native}"
cmake --build "$build" --target xaq-simhost xaq-imgdiff xaq_module_resources
if [ "$#" -eq 0 ]; then
  pattern='^golden_'
else
  pattern="^golden_($(IFS='|'; echo "$*"))\$"
  for name in "$@"; do mkdir -p "$root/tests/sil/golden/$name"; done
fi
XAQ_BLESS=1 ctest --test-dir "$build" -R "$pattern" --output-on-failure
git -C "$root" status --short -- tests/sil/golden
