#!/bin/sh
# Fails where the program's sources lose their shape: a source file over 300 non-blank lines,
# or a front-end that chooses by control kind anywhere but in its one factory
# (platform/win32/controls/control_factory.cpp, platform/fltk/control_widgets.*).
#   check_source_shape.sh SOURCE_DIR
set -eu
cd "$1"
limit=300
files=$(find model forms app about resources platform -name '*.cpp' -o -name '*.h')
[ -n "$files" ] || { echo "no sources found"; exit 1; }
status=0
for file in $files; do
  lines=$(grep -cv '^[[:space:]]*$' "$file" || true)
  if [ "$lines" -gt "$limit" ]; then
    echo "$file has $lines non-blank lines (at most $limit)"
    status=1
  fi
done
kinds=$(grep -rn -e 'ControlKind' -e 'kind() *[=!]=' platform |
        grep -v -e '^platform/win32/controls/control_factory.cpp:' -e '^platform/fltk/control_widgets\.' || true)
if [ -n "$kinds" ]; then
  echo "Chosen by control kind outside the front-ends' factories:"
  echo "$kinds"
  status=1
fi
[ "$status" -eq 0 ] && echo "Every source file at most $limit non-blank lines; kinds chosen only in the factories."
exit "$status"
