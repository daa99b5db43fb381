#!/bin/sh
# Runs a Windows program under Wine with the screen density set in the prefix.
#   run_at_dpi.sh WINE DPI PROGRAM [ARGUMENTS...]
set -e
wine="$1"
dpi="$2"
shift 2
"$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
status=0
"$wine" "$@" || status=$?
# Wine's server and desktop outlive the program for a while; the next run gets a new X server,
# so it must not find them still tied to this one.
"$(dirname "$wine")/wineserver" -w
exit $status
