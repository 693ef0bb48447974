#!/usr/bin/env bash
# The main job: builds everything natively and for Windows, and says what was built.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
for preset in native windows; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
echo "Built:"
for f in build/native/frame/Xaq-Orvek.so build/windows/frame/Xaq-Orvek.gau \
         build/windows/winhost/xaq-winhost.exe build/windows/payload/stowplan.exe \
         build/native/payload/stowplan; do
  [ -e "$f" ] && echo "  $f ($(stat -c %s "$f") bytes)"
done
exit 0
