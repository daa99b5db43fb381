#!/bin/sh
# The installer as a Windows user runs it, silently, in a throwaway Wine prefix: the program in
# the user's own programs folder, started there, the Start-menu shortcut and the entry under
# installed programs; then the silent uninstall, after which nothing of the program is left.
set -eu
setup="$2"
version="$3"
. "$(dirname "$0")/wine_prefix.sh"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pruhomat'
installed="$user_dir/AppData/Local/Programs/Pruhomat"
shortcut="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Virtuální Pruhomat.lnk"

"$wine" "$setup" /S
[ -f "$installed/pruhomat.exe" ] || { echo "no program in the user's programs folder"; exit 1; }
[ -f "$shortcut" ] || { echo "no Start-menu shortcut"; exit 1; }
entry=$("$wine" reg query "$key" 2>/dev/null | tr -d '\r')
for value in DisplayName DisplayIcon UninstallString QuietUninstallString Publisher; do
  echo "$entry" | grep -q "^ *$value " || { echo "the uninstall entry has no $value"; exit 1; }
done
echo "$entry" | grep -q "DisplayVersion *REG_SZ *$version\$" || { echo "the entry's version is not $version"; exit 1; }
echo "$entry" | grep -q 'DisplayIcon *REG_SZ *.*\\pruhomat.exe,0$' || { echo "the entry shows no icon"; exit 1; }

"$wine" 'C:\users\'"$(id -un)"'\AppData\Local\Programs\Pruhomat\pruhomat.exe' &
wait_for_main_window
"$wineserver" -k
echo "installed, and the installed program showed its window"

# The uninstaller runs from a copy of itself, so the files going is what marks its end.
"$wine" 'C:\users\'"$(id -un)"'\AppData\Local\Programs\Pruhomat\uninstall.exe' /S
wait_until_gone "$installed"
[ ! -e "$shortcut" ] || { echo "the shortcut is left"; exit 1; }
if "$wine" reg query "$key" >/dev/null 2>&1; then
  echo "the uninstall entry is left"
  exit 1
fi
"$wineserver" -w
if grep -i -l pruhomat "$WINEPREFIX"/*.reg; then
  echo "the registry still names the program"
  exit 1
fi
left=$(find "$WINEPREFIX/drive_c" -iname '*pruhomat*')
[ -z "$left" ] || { echo "left behind: $left"; exit 1; }
echo "uninstalled without a trace"
