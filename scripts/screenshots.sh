#!/usr/bin/env bash
# Refreshes the screenshots in docs/ from the Windows programs running under
# Wine with a virtual display: the station dialog (filled in by its test)
# and, once built, the companion window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
command -v convert >/dev/null || { sudo=""; [ "$(id -u)" = 0 ] || sudo=sudo;
  $sudo apt-get install -y -qq imagemagick >/dev/null; }
scripts/build.sh win64 >/dev/null
shots=$PWD/build/shots
rm -rf "$shots" && mkdir -p "$shots"
export WINEPREFIX=${WINEPREFIX:-$PWD/build/wine-prefix} WINEDEBUG=-all
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wineboot -i >/dev/null 2>&1; wineserver -w
  # No window manager here: Wine draws the caption bars itself.
  wine reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f \
    >/dev/null 2>&1; wineserver -w
  ZELMAR_SCREENSHOTS=$(winepath -w "'"$shots"'") \
    wine build/win64/tests/windows/windows_tests.exe \
    --gtest_filter="*OkSavesWhatWasTyped:*StartsOnTop*" >/dev/null'
for bmp in "$shots"/*.bmp; do
  convert "$bmp" "docs/$(basename "${bmp%.bmp}").png"
  echo "docs/$(basename "${bmp%.bmp}").png"
done
