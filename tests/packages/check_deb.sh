#!/bin/sh
# lintian on the package, with no error and no warning; desktop-file-validate on its desktop
# entry and appstreamcli on its metainfo, as the package installs them, with nothing to report
# above appstreamcli's infos (the http home page and the TLD of its id).
set -eu
deb="$1"
lintian --fail-on error,warning "$deb"
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
# The theme's icons: the scalable drawing, and each PNG size as large as its folder says.
icons="$unpacked/usr/share/icons/hicolor"
grep -q '<svg' "$icons/scalable/apps/pruhomat.svg" || { echo "no scalable icon"; exit 1; }
for size in 16 32 48 64 128 256; do
  file "$icons/${size}x${size}/apps/pruhomat.png" | grep -q "PNG image data, $size x $size," ||
    { echo "the $size pixel icon is not a $size pixel PNG"; exit 1; }
done
entry_report=$(desktop-file-validate "$unpacked"/usr/share/applications/pruhomat.desktop 2>&1) || true
if [ -n "$entry_report" ]; then
  echo "desktop-file-validate: $entry_report"
  exit 1
fi
# A missing or failing appstreamcli fails the check, and so does a report that says no success.
metainfo_report=$(appstreamcli validate --no-net --no-color "$unpacked"/usr/share/metainfo/*.metainfo.xml 2>&1) || {
  echo "$metainfo_report"
  echo "appstreamcli failed"
  exit 1
}
echo "$metainfo_report"
if echo "$metainfo_report" | grep -q -E '^(E|W):|failed' || ! echo "$metainfo_report" | grep -q 'Validation was successful'; then
  exit 1
fi
echo "lintian, desktop-file-validate and appstreamcli passed"
