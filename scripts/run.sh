#!/usr/bin/env bash
# The main job: builds the module and the sim host natively, flies the demo scenario (cold and
# dark on the runway, power-up, engine starts, a circuit and a landing) and writes its log and
# images of the main panel gauges into an output folder, whose path it prints last.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native --target xaq-simhost Xaq-Orvek
out="${XAQ_OUT:-$PWD/build/demo}"
rm -rf "$out"
mkdir -p "$out"
build/native/simhost/xaq-simhost --module build/native/frame/Xaq-Orvek.so \
  --scenario resources/scenarios/demo.scn --simfolder resources/simfolder --out "$out"
echo "log:    $out/log.csv"
echo "images: $out/images ($(ls "$out/images" | wc -l) PNG files)"
echo "$out"
