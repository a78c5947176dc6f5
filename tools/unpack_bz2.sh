#!/bin/sh
# unpack_bz2.sh IN OUT: decompresses IN into OUT, replacing OUT only when complete.
set -e
mkdir -p "$(dirname "$2")"
bzcat "$1" > "$2.part"
mv "$2.part" "$2"
