#!/bin/bash
# usage: selftest.sh <check.sh> <fixture tree>
# The fixture holds one include of each forbidden kind next to allowed ones: the check must
# fail and name exactly the lines in expected.txt.
set -uo pipefail
check=$1 fixture=$2
out=$(bash "$check" "$fixture")
rc=$?
if [ $rc -eq 0 ]; then echo "the check passed a tree that crosses the layers"; exit 1; fi
if ! diff -u "$fixture/expected.txt" <(printf '%s\n' "$out"); then
  echo "the check reported other lines than expected"
  exit 1
fi
echo "the check names every crossing in the fixture"
