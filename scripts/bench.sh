#!/usr/bin/env bash
# Builds the benchmark in Release and runs it; arguments go to the benchmark
# (for instance --smoke, or --benchmark_filter=CheckCall).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DZELMAR_TESTS=OFF -DZELMAR_BENCH=ON >/dev/null
cmake --build build/bench -j "$(nproc)" --target stats_bench
exec build/bench/bench/stats_bench "$@"
