#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for SECONDS (default 60) on a
# copy of its committed seed corpus. New findings are written to
# build/fuzz/findings; add a regression seed to fuzz/corpus/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/install-deps.sh
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all"
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link $sanitize" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitize" \
  -DZELMAR_TESTS=OFF -DZELMAR_FUZZ=ON >/dev/null
cmake --build build/fuzz -j "$(nproc)"
mkdir -p build/fuzz/findings
for target in export_sequence ini adif; do
  corpus=$PWD/build/fuzz/corpus/$target
  mkdir -p "$corpus"
  cp -n fuzz/corpus/$target/* "$corpus"/ 2>/dev/null || true
  echo "== $target for ${seconds}s"
  log=build/fuzz/$target.log
  if ! build/fuzz/fuzz/${target}_fuzzer "$corpus" -max_total_time="$seconds" \
      -max_len=200000 -artifact_prefix=$PWD/build/fuzz/findings/$target- \
      -print_final_stats=1 >"$log" 2>&1; then
    tail -n 60 "$log"
    exit 1
  fi
  grep -E '^stat::number_of_executed_units' "$log"
done
