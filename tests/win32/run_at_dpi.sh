#!/bin/sh
# Runs a Windows program under Wine with the screen density set in the prefix.
#   run_at_dpi.sh WINE DPI PROGRAM [ARGUMENTS...]
# The program runs once: if it gives no answer within 120 s it has failed.
set -e
wine="$1"
dpi="$2"
shift 2
wineserver="$(dirname "$wine")/wineserver"
"$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
# The first Wine program after a change of density has been seen, rarely, never to get going.
# wineboot is that first program here, tried once more with Wine started afresh if it hangs, so
# that the change is complete before the program under test starts.
for attempt in 1 2; do
  status=0
  timeout 60 "$wine" wineboot || status=$?
  [ "$status" -ne 124 ] && break
  echo "wineboot gave no answer within 60 s after the density change (attempt $attempt)"
  "$wineserver" -k 2>/dev/null || true
done
# A density change that never completed fails the run rather than testing at another density.
if [ "$status" -ne 0 ]; then
  echo "the change to $dpi dpi did not complete: wineboot ended with status $status"
  "$wineserver" -k 2>/dev/null || true
  exit 1
fi
status=0
timeout 120 "$wine" "$@" || status=$?
# Wine's server and desktop outlive the program; the next run gets a new X server, so it must
# not find them still tied to this one.
"$wineserver" -k 2>/dev/null || true
[ "$status" -eq 124 ] && echo "the program gave no answer within 120 s: it hung"
exit "$status"
