#!/bin/bash
# usage: check.sh <shared library> <folder of symbol lists>
set -euo pipefail
lib=$1 dir=$2
have=$(mktemp) want=$(mktemp)
trap 'rm -f "$have" "$want"' EXIT
nm -D --defined-only "$lib" | awk '{print $NF}' | sort -u >"$have"
shopt -s nullglob
files=("$dir"/*.txt)
if [ ${#files[@]} -eq 0 ]; then echo "no symbol lists in $dir"; exit 1; fi
sed -e 's/#.*//' -e 's/[[:space:]]//g' "${files[@]}" | grep -v '^$' | sort -u >"$want"
missing=$(comm -23 "$want" "$have")
if [ -n "$missing" ]; then
  echo "missing exports in $(basename "$lib"):"
  echo "$missing"
  exit 1
fi
echo "$(wc -l <"$want") required exports present in $(basename "$lib")"
