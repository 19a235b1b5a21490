#!/bin/bash
# usage: findable.sh <source folder>... -- <folder of symbol lists>...
# Every exported name must appear, as a whole word, in the sources: at the body of its
# function, or in the header comment next to the property rows or macro that make it. A
# name that only token pasting produces cannot be found by grep, and fails here.
set -euo pipefail
sources=() lists=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do sources+=("$1"); shift; done
shift || true
lists=("$@")
want=$(mktemp) have=$(mktemp)
trap 'rm -f "$want" "$have"' EXIT
for d in "${lists[@]}"; do cat "$d"/*.txt; done | sed -e 's/#.*//' -e 's/[[:space:]]//g' | grep -v '^$' | sort -u >"$want"
grep -rhoE --include='*.cpp' --include='*.hpp' --include='*.h' --include='*.c' \
  '\b(tarvelin|TARVELIN)_[A-Za-z0-9_]+' "${sources[@]}" | sort -u >"$have"
missing=$(comm -23 "$want" "$have")
if [ -n "$missing" ]; then
  echo "exported names that no source spells out ($(echo "$missing" | wc -l)):"
  echo "$missing" | head -50
  exit 1
fi
echo "$(wc -l <"$want") exported names found in the sources"
