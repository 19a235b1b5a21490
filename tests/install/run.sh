#!/bin/bash
# usage: run.sh <build folder> <host.c> [extra compiler flags...]
# Installs the build into a temporary prefix, compiles host.c with the flags pkg-config gives
# for the installed .pc files and nothing else (extra flags only carry a sanitizer build's
# own switches), and runs it.
set -euo pipefail
build=$1 host=$2
shift 2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cmake --install "$build" --prefix "$tmp/prefix" >"$tmp/install.log" || { cat "$tmp/install.log"; exit 1; }
pc=$(dirname "$(find "$tmp/prefix" -name tarvelin-providers.pc)")
export PKG_CONFIG_PATH=$pc
flags=$(pkg-config --cflags --libs tarvelin-rezezadovu tarvelin-providers)
echo "pkg-config: $flags"
case $flags in *"$(cd "$(dirname "$host")/../.." && pwd)"*) echo "the flags name the source tree"; exit 1 ;; esac
${CC:-cc} -std=c11 -Wall -Wextra -Werror "$@" -o "$tmp/host" "$host" $flags
# The .pc files set no run path: the loader is told the installed folder, as a host's
# launcher would.
mkdir -p "$tmp/data"
LD_LIBRARY_PATH=$(pkg-config --variable=libdir tarvelin-providers) "$tmp/host" "$tmp/data"
