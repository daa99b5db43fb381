#!/bin/sh
# Runs a Windows program under Wine with the screen density set in the prefix.
#   run_at_dpi.sh WINE DPI PROGRAM [ARGUMENTS...]
set -e
wine="$1"
dpi="$2"
shift 2
"$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
# Now and then Wine's first program after a change of density never gets going (seen at any
# density, never twice in a row); such a run is ended and tried once more with Wine started
# afresh. A test that fails is not tried again.
for attempt in 1 2; do
  status=0
  timeout 120 "$wine" "$@" || status=$?
  # Wine's server and desktop outlive the program; the next run gets a new X server, so it
  # must not find them still tied to this one.
  "$(dirname "$wine")/wineserver" -k 2>/dev/null || true
  [ "$status" -ne 124 ] && break
  echo "no answer from the program within 120 s (attempt $attempt)"
done
exit "$status"
