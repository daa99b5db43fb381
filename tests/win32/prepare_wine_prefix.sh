#!/bin/sh
# A fresh Wine prefix for the tests. With no window manager on the virtual X server, Wine would
# wait two seconds for one each time a window is hidden; unmanaged windows need none.
set -e
wine="$1"
"$wine" wineboot -i
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
# Windows comes with the fonts its programs ask for (Tahoma behind "MS Shell Dlg", MS Sans Serif);
# Debian keeps Wine's own in fonts-wine but leaves them out of a new prefix. Without them Wine
# substitutes a face whose accents on capitals it cuts off at the top of the text.
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
