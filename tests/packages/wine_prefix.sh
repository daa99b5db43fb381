# Sourced by the Windows package tests: a throwaway Wine prefix, removed at exit, in which Wine
# makes no menu entries on this machine, and the wait for a window of the program.
wine="$1"
# Wine names files and windows in the locale's character set; Czech names need UTF-8, whatever
# the machine's locale.
export LC_ALL=C.UTF-8
wineserver="$(dirname "$wine")/wineserver"
WINEPREFIX=$(mktemp -d /tmp/pruhomat-wine-XXXXXX)
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
"$wine" wineboot -i >/dev/null 2>&1
user_dir="$WINEPREFIX/drive_c/users/$(id -un)"

# Waits until a window of the main window's title is on the X server; fails after a minute.
wait_for_main_window() {
  for attempt in $(seq 1 300); do
    if xwininfo -root -tree | grep -q '"  Virtuální Pruhomat": ("pruhomat.exe"'; then
      return 0
    fi
    sleep 0.2
  done
  echo "the program showed no window"
  return 1
}

# Waits until the path is gone; fails after a minute.
wait_until_gone() {
  for attempt in $(seq 1 300); do
    [ -e "$1" ] || return 0
    sleep 0.2
  done
  echo "still there: $1"
  return 1
}
