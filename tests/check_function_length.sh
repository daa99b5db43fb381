#!/bin/sh
# Fails when a function of the program (tests and benchmarks aside) runs over 40 lines, from its
# first line to its closing brace. Tables are constant data and no function bodies.
#   check_function_length.sh SOURCE_DIR
set -eu
cd "$1"
limit=40
# ctags on its own, so that its failure fails the check; a list of no function is a failure too.
functions=$(ctags -x --languages=C++ --kinds-C++=f --fields=+ne --_xformat='%n %e %F %N' -R \
                model forms app about resources platform)
if [ -z "$functions" ]; then
  echo "ctags listed no function"
  exit 1
fi
long=$(echo "$functions" |
       awk -v limit="$limit" '$2 - $1 + 1 > limit { print $3 ":" $1 ": " $4 " has " $2 - $1 + 1 " lines" }')
if [ -n "$long" ]; then
  echo "Functions over $limit lines:"
  echo "$long"
  exit 1
fi
echo "No function over $limit lines."
