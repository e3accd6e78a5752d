#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS (default 600).
# usage: scripts/fuzz.sh [SECONDS] [TARGET...]
# Findings are written to build-fuzz/findings/<target>/; a finding fails the run.
# The picture target is built only where Qt is found.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
shift || true
command -v clang++ >/dev/null || { echo "clang++ is needed: apt-get install clang" >&2; exit 2; }

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVORNEL_UI=OFF -DBUILD_TESTING=OFF -DVORNEL_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" >/dev/null

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=($(find build-fuzz/bin -maxdepth 1 -name '*_fuzz' -printf '%f\n' | sort))
fi
for t in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$t findings=build-fuzz/findings/$t
  mkdir -p "$corpus" "$findings"
  seeds=fuzz/seeds/$t
  echo "== $t: ${seconds}s"
  build-fuzz/bin/$t -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=1024 \
    -artifact_prefix="$findings/" -print_final_stats=1 "$corpus" $( [ -d "$seeds" ] && echo "$seeds" ) 2>&1 |
    grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units|stat::peak_rss_mb|==|SUMMARY|.*model disagrees)' || true
  if ls "$findings"/crash-* "$findings"/leak-* "$findings"/timeout-* "$findings"/oom-* >/dev/null 2>&1; then
    echo "$t found a fault: see $findings" >&2
    exit 1
  fi
done
