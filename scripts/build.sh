#!/usr/bin/env bash
# Builds one target, or all of them: native | win32 | win64 | package | all.
#   native   Linux: libStats.so, zelmar-score, the tests
#   win32    32-bit Windows: the shipped Stats.dll and Tamrik.exe
#   win64    64-bit Windows: the same, with the tests that run under Wine
#   package  win32, then dist/zelmar-plugin-win32.zip for the user
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:-all}
jobs=$(nproc)

configure() {  # dir, extra cmake arguments
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
}

case $target in
  native)
    configure build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DZELMAR_WIN32_DLL="$PWD/build/win32/stats/Stats.dll" ${ZELMAR_NATIVE_ARGS:-}
    cmake --build build/native -j "$jobs" ;;
  win32)
    configure build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
      -DCMAKE_BUILD_TYPE=Release -DZELMAR_TESTS=OFF
    cmake --build build/win32 -j "$jobs" ;;
  win64)
    configure build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake \
      -DCMAKE_BUILD_TYPE=Release
    cmake --build build/win64 -j "$jobs" ;;
  package)
    "$0" win32
    cmake -DBUILD="$PWD/build/win32" -DSOURCE="$PWD" -P cmake/package.cmake
    echo "dist/zelmar-plugin-win32.zip" ;;
  all)
    "$0" package && "$0" native && "$0" win64 ;;
  *)
    echo "usage: $0 [native|win32|win64|package|all]" >&2; exit 2 ;;
esac
