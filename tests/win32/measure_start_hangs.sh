#!/bin/sh
# How often a Windows program fails to start under Wine right after a change of the screen
# density, as the tests change it: each try in a fresh X server and Wine server, the density
# set with reg, then the program started at once and given 60 s to show a window.
#   measure_start_hangs.sh WINE PROGRAM WINDOW_TITLE TRIES DPI...
# Prints, for each density, how many of the tries showed no window.
set -e
wine="$1"
program="$2"
title="$3"
tries="$4"
shift 4
for dpi in "$@"; do
  hangs=0
  try=0
  while [ "$try" -lt "$tries" ]; do
    try=$((try + 1))
    xvfb-run -a -s "-screen 0 1024x768x24 -noreset" sh -c '
      "$1" reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d "$2" /f >/dev/null
      "$1" "$3" >/dev/null 2>&1 &
      waited=0
      until xdotool search --onlyvisible --name "$4" >/dev/null 2>&1; do
        waited=$((waited + 1))
        [ "$waited" -gt 600 ] && break
        sleep 0.1
      done
      "$(dirname "$1")/wineserver" -k 2>/dev/null || true
      [ "$waited" -le 600 ]' sh "$wine" "$dpi" "$program" "$title" || hangs=$((hangs + 1))
  done
  echo "$dpi dpi: $hangs of $tries tries showed no window"
done
