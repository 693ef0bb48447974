#!/usr/bin/env bash
# Every test: installs the dependencies, then configures, builds and runs ctest in each preset.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

presets=(${XAQ_PRESETS:-native asan windows fuzz})
jobs=${XAQ_JOBS:-$(nproc)}
for preset in "${presets[@]}"; do
  echo "=== preset $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done
echo "=== all presets passed: ${presets[*]}"
