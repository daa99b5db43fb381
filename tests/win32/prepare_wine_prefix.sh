#!/bin/sh
# A fresh Wine prefix for the tests. With no window manager on the virtual X server, Wine would
# wait two seconds for one each time a window is hidden; unmanaged windows need none.
set -e
wine="$1"
"$wine" wineboot -i
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
