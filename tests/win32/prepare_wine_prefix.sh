#!/bin/sh
# A fresh Wine prefix for the tests.
set -e
wine="$1"
"$wine" wineboot -i
# The windows on a desktop of Wine's own, as on Windows, rather than each an X window of its own:
# X's focus events reach Wine late, those of a dialog already closed among them, and would close
# the menu the user has just opened.
"$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
"$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f
# Windows comes with the fonts its programs ask for (Tahoma behind "MS Shell Dlg", MS Sans Serif);
# Debian keeps Wine's own in fonts-wine but leaves them out of a new prefix. Without them Wine
# substitutes a face whose accents on capitals it cuts off at the top of the text.
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
