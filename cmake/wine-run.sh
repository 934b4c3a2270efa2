#!/bin/sh
# Runs a Windows test program under wine64 in the project's own Wine prefix,
# with the X display the test script started (Xvfb).
: "${WINEPREFIX:=${TMPDIR:-/tmp}/zelmar-wine}"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -d "$WINEPREFIX" ]; then
  wineboot -i >/dev/null 2>&1 || true
fi
exec wine "$@"
