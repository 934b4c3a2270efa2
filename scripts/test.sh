#!/usr/bin/env bash
# Installs what is missing, builds every target and runs every test: the
# native suite (with the check of the 32-bit DLL's export table), a smoke
# run of the benchmark, each fuzz target for a minute, the same suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the Windows suite
# under wine64 with a virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh all

echo "== native tests"
(cd build/native && ctest --output-on-failure -j "$(nproc)" --timeout 300)

echo "== benchmark smoke run (proves it runs; the figures mean nothing)"
scripts/bench.sh --smoke >/dev/null

echo "== fuzzing, 60 s per target"
scripts/fuzz.sh 60

echo "== native tests with sanitizers"
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all" \
  >/dev/null
cmake --build build/sanitize -j "$(nproc)"
(cd build/sanitize && ctest --output-on-failure -j "$(nproc)" --timeout 300)

echo "== Windows tests under Wine"
export WINEPREFIX=${WINEPREFIX:-$PWD/build/wine-prefix} WINEDEBUG=-all
# The prefix is made under the same display as the tests: Wine's desktop
# process, started with the prefix, keeps the display it was started with.
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wineboot -i >/dev/null 2>&1; wineserver -w
  cd build/win64 && ctest --output-on-failure --timeout 300'
