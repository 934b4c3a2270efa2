#!/usr/bin/env bash
# The main job: installs what is missing, builds the plug-in for every
# target and scores a log with zelmar-score (the bundled sample log when no
# arguments are given; any zelmar-score arguments may follow).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh all >/dev/null
echo "Windows plug-in: build/win32/stats/Stats.dll (32-bit, shipped)"
echo "                 build/win64/stats/Stats.dll (64-bit, for the Wine tests)"
echo "Linux plug-in:   build/native/stats/libStats.so"
if [ -x build/native/tools/zelmar-score ]; then
  exec build/native/tools/zelmar-score "$@"
fi
