#!/bin/sh
# Runs the Linux program under valgrind memcheck on this X display while the session driver
# plays a scripted session on it. Fails on any memory error or definite leak.
set -u
program="$1"
driver="$2"
suppressions="$3"
locales="$4"
log="${TMPDIR:-/tmp}/pruhomat-memcheck-$$.log"

# In Czech regional settings, whatever the machine's.
LOCPATH="$locales" LC_ALL=cs_CZ.UTF-8 valgrind --tool=memcheck --error-exitcode=99 --leak-check=full --show-leak-kinds=definite \
  --errors-for-leak-kinds=definite --suppressions="$suppressions" --log-file="$log" "$program" &
checked=$!
"$driver"
session=$?
# A session that broke off never closed the program.
[ "$session" -ne 0 ] && kill "$checked" 2>/dev/null
wait "$checked"
memcheck=$?
grep -A14 "definitely lost in" "$log"
tail -n 12 "$log"
rm -f "$log"
if [ "$session" -ne 0 ]; then
  echo "the session did not complete"
  exit 1
fi
exit "$memcheck"
