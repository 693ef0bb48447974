#!/usr/bin/env bash
# The Debian data set benchmark, run by hand (never in CI): imports the whole of
# flightgear-data-base's navigation data with xaq-navimport (counts and import time), then runs
# the load benchmarks of fms_bench on the imported folder (load, plain line reading, ratio) and
# its resident-memory report, and checks every number of the set against std::from_chars.
#
#   perf/fms/navimport_bench.sh [build folder]      (default build/native)
set -euo pipefail
build=${1:-build/native}
data=/usr/share/games/flightgear
if [ ! -f "$data/Navaids/nav.dat.gz" ]; then
  echo "navimport_bench: $data has no navigation data; as root: apt-get install flightgear-data-base" >&2
  exit 1
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
start=$(date +%s.%N)
"$build/fms/navdb/import/xaq-navimport" --from "$data" "$out"
end=$(date +%s.%N)
echo "import: $(echo "$end - $start" | bc) s"
XAQ_NAV_BENCH_FOLDER="$out" "$build/perf/fms/fms_bench" --benchmark_filter='FullLoad|ReadAndCountLines' \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
XAQ_NAV_BENCH_FOLDER="$out" "$build/perf/fms/fms_bench" --memory
XAQ_NAV_BENCH_FOLDER="$out" "$build/perf/fms/fms_bench" --check-numbers
