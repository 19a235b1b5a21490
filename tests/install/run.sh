#!/bin/bash
# usage: run.sh <build folder> <host.c> [extra compiler flags...]
# Installs the build into a temporary prefix, checks the installed libraries' SONAMEs and
# that pkg-config hands a host no include folder beyond the installed headers and those of
# GLib, GObject, GIO, libgee and json-glib, compiles host.c with the flags pkg-config gives
# for the installed .pc files and nothing else (extra flags only carry a sanitizer build's
# own switches), and runs it with a scratch folder. With EXPECT_LAST_LINE set, the host's
# last line of output must be that text.
set -euo pipefail
build=$1 host=$2
shift 2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cmake --install "$build" --prefix "$tmp/prefix" >"$tmp/install.log" || { cat "$tmp/install.log"; exit 1; }
pc=$(dirname "$(find "$tmp/prefix" -name tarvelin-providers.pc)")
export PKG_CONFIG_PATH=$pc
libdir=$(pkg-config --variable=libdir tarvelin-providers)

# A versioned library: the SONAME names the ABI, and the link name leads to it.
for lib in providers zevavadarudod; do
    soname=$(readelf -d "$libdir/lib$lib.so" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')
    if [[ $soname != "lib$lib.so.0" ]]; then
        echo "lib$lib.so: SONAME '$soname', expected lib$lib.so.0"
        exit 1
    fi
    [[ -e $libdir/lib$lib.so.0 ]] || { echo "no $libdir/lib$lib.so.0"; exit 1; }
done

# The client libraries stay private: the compiler flags are the installed headers' and
# those of the five public dependencies, nothing else.
cflags=$(pkg-config --cflags tarvelin-rezezadovu tarvelin-providers)
public=$(pkg-config --cflags glib-2.0 gobject-2.0 gio-2.0 gee-0.8 json-glib-1.0)
own="-I$(pkg-config --variable=includedir tarvelin-providers)"
extra_flags=$(comm -23 <(tr ' ' '\n' <<<"$cflags" | grep -v '^$' | grep -vxF -- "$own" | sort -u) \
                       <(tr ' ' '\n' <<<"$public" | grep -v '^$' | sort -u))
if [[ -n $extra_flags ]]; then
    echo "pkg-config --cflags names more than the public dependencies:"
    echo "$extra_flags"
    exit 1
fi

flags=$(pkg-config --cflags --libs tarvelin-rezezadovu tarvelin-providers)
echo "pkg-config: $flags"
case $flags in *"$(cd "$(dirname "$host")/../.." && pwd)"*) echo "the flags name the source tree"; exit 1 ;; esac
${CC:-cc} -std=c11 -Wall -Wextra -Werror "$@" -o "$tmp/host" "$host" $flags
# The .pc files set no run path: the loader is told the installed folder, as a host's
# launcher would.
mkdir -p "$tmp/data"
LD_LIBRARY_PATH=$libdir "$tmp/host" "$tmp/data" | tee "$tmp/output"
if [[ -n ${EXPECT_LAST_LINE:-} ]]; then
    last=$(tail -n 1 "$tmp/output")
    if [[ $last != "$EXPECT_LAST_LINE" ]]; then
        echo "the host's last line is '$last', expected '$EXPECT_LAST_LINE'"
        exit 1
    fi
fi
