#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: first the
# core alone, without Qt, then the whole program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc)

cmake -S . -B build-core -DVORNEL_UI=OFF -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-Werror >/dev/null
cmake --build build-core -j"$jobs"
ctest --test-dir build-core --output-on-failure -j"$jobs"

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS=-Werror >/dev/null
cmake --build build-test -j"$jobs"
ctest --test-dir build-test --output-on-failure -j"$jobs"

# Every reader of a data file, fuzzed briefly when clang is here; scripts/fuzz.sh runs them long.
if command -v clang++ >/dev/null; then
  scripts/fuzz.sh 10
fi
