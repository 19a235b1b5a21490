#!/bin/bash
# usage: findable.sh <source folder>... -- <folder of symbol lists>...
# Every exported name must be found by grep where it is made: at the line that defines its
# function or data (the name starts the line, or follows the return type on it, and an
# opening parenthesis or bracket follows), or in a comment, which is where the header
# comment next to property rows or a bridge macro names what they make. A name that only
# token pasting produces, or that appears only where it is called, fails here.
set -euo pipefail
sources=() lists=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do sources+=("$1"); shift; done
shift || true
lists=("$@")
want=$(mktemp) have=$(mktemp)
trap 'rm -f "$want" "$have"' EXIT
for d in "${lists[@]}"; do cat "$d"/*.txt; done | sed -e 's/#.*//' -e 's/[[:space:]]//g' | grep -v '^$' | sort -u >"$want"
grep -rhE --include='*.cpp' --include='*.hpp' --include='*.h' --include='*.c' \
  -e '^[[:space:]]*//' \
  -e '^([A-Za-z_].*[^A-Za-z0-9_])?(tarvelin|TARVELIN)_[A-Za-z0-9_]+[[:space:]]*[[(]' \
  "${sources[@]}" | grep -oE '\b(tarvelin|TARVELIN)_[A-Za-z0-9_]+' | sort -u >"$have"
missing=$(comm -23 "$want" "$have")
if [ -n "$missing" ]; then
  echo "exported names defined nowhere a grep finds them ($(echo "$missing" | wc -l)):"
  echo "$missing" | head -50
  exit 1
fi
echo "$(wc -l <"$want") exported names found in the sources"
