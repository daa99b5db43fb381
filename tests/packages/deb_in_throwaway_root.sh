#!/bin/sh
# The package installed as a user installs it, with apt-get, into a Debian 12 root made here and
# removed at the end, never the machine's own: the program started from its desktop entry must
# show its window on this script's X server, and a purge must leave no file of the package behind.
set -eu
deb="$1"
[ "$(id -u)" -eq 0 ] || { echo "needs root for debootstrap and chroot"; exit 1; }
root=$(mktemp -d /tmp/pruhomat-root-XXXXXX)
program=""
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null || true
  # Whatever debootstrap left mounted goes first, and rm stays on the root's own file system.
  grep -o " $root/[^ ]*" /proc/mounts | sort -r | while read -r mount; do umount "$mount" || true; done
  rm -rf --one-file-system "$root"
}
trap cleanup EXIT

# The machine's own mirror, as its apt sources name it.
mirror=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n 1)
debootstrap --variant=minbase bookworm "$root" "${mirror:-http://deb.debian.org/debian}" >"$root.log" 2>&1 ||
  { tail -n 20 "$root.log"; rm -f "$root.log"; exit 1; }
rm -f "$root.log"
in_root() { chroot "$root" env DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8 "$@"; }
cp "$deb" "$root/tmp/"
in_root apt-get update -q
in_root apt-get install -y -q --no-install-recommends "/tmp/$(basename "$deb")"
in_root dpkg -L pruhomat >"$root/tmp/files"

exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/pruhomat.desktop")
# The X server's socket is bound into the root rather than reached over TCP: a connection over
# the loopback was once refused here, with nothing in the way that the test could see.
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
# shellcheck disable=SC2086 # the Exec line is a command and its arguments
chroot "$root" env DISPLAY="$DISPLAY" LC_ALL=C.UTF-8 $exec_line &
program=$!
found=""
for attempt in $(seq 1 300); do
  found=$(LC_ALL=C.UTF-8 xwininfo -root -tree | grep '"  Virtuální Pruhomat"' | awk '{print $1}' | head -n 1)
  [ -n "$found" ] && break
  sleep 0.2
done
[ -n "$found" ] || { echo "the installed program showed no window"; exit 1; }
xprop -id "$found" WM_CLASS | grep -q '"pruhomat", "pruhomat"' ||
  { echo "its window class is not the desktop entry's"; exit 1; }
kill "$program"
wait "$program" 2>/dev/null || true
program=""
echo "the installed program started from its desktop entry and showed its window"

in_root apt-get remove --purge -y -q pruhomat
left=""
while IFS= read -r path; do
  # Directories the package shares with others stay; nothing else of it may.
  if [ -e "$root$path" ] && ! { [ -d "$root$path" ] && [ -n "$(ls -A "$root$path")" ]; }; then
    left="$left $path"
  fi
done <"$root/tmp/files"
[ -z "$left" ] || { echo "left behind after the purge:$left"; exit 1; }
if in_root dpkg -s pruhomat >/dev/null 2>&1; then
  echo "dpkg still knows the package"
  exit 1
fi
echo "the purge left nothing of the package"
