#!/bin/sh
# Fails where the program's sources lose their shape: a source file over 300 non-blank lines, a
# kind of control named anywhere but in forms' table of kinds (forms/control_kind.*), the row
# makers of forms/layout.h and each front-end's one factory (platform/*/controls/control_factory.*),
# or a front-end that compares kinds outside its factory.
#   check_source_shape.sh SOURCE_DIR
set -eu
cd "$1"
limit=300
files=$(find model forms app about resources platform -name '*.cpp' -o -name '*.h' -o -name '*.js')
[ -n "$files" ] || { echo "no sources found"; exit 1; }
status=0
for file in $files; do
  lines=$(grep -cv '^[[:space:]]*$' "$file" || true)
  if [ "$lines" -gt "$limit" ]; then
    echo "$file has $lines non-blank lines (at most $limit)"
    status=1
  fi
done
factories='^platform/[a-z0-9]*/controls/control_factory\.'
kinds=$(grep -rn 'ControlKind::' model forms app about resources platform |
        grep -v -e '^forms/control_kind\.' -e '^forms/layout\.h:' -e "$factories" || true)
compared=$(grep -rn -e 'ControlKind' -e 'kind() *[=!]=' platform | grep -v -e "$factories" || true)
if [ -n "$kinds$compared" ]; then
  echo "A kind of control named or compared outside forms' table of kinds, the row makers and the factories:"
  printf '%s\n' "$kinds" "$compared" | sed '/^$/d'
  status=1
fi
[ "$status" -eq 0 ] && echo "Every source file at most $limit non-blank lines; kinds named only in their table, the row makers and the factories."
exit "$status"
