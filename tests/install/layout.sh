#!/bin/sh
# Compares an installed tree with the expected layout: exactly the listed files, with their
# modes and kinds, folders open to all, and the table and its README as shipped.
# Usage: layout.sh PREFIX_DIR EXPECTED_LAYOUT SOURCE_DIR
set -eu
prefix=$1 expected=$2 source=$3
status=0
lists=$(mktemp -d)
trap 'rm -rf -- "$lists"' EXIT

grep -v '^#' "$expected" | awk '{ print $1, $2 }' | sort > "$lists/expected"
find "$prefix" ! -type d -printf '%M %P\n' | sort > "$lists/installed"
if ! diff -u "$lists/expected" "$lists/installed"; then
    echo "FAIL: installed files differ from $expected (- expected, + installed)"
    status=1
fi

grep -v '^#' "$expected" | while read -r mode path kind; do
    [ -f "$prefix/$path" ] || continue
    actual=$(file -b "$prefix/$path")
    case $actual in
        *"$kind"*) ;;
        *) echo "FAIL: $path is \"$actual\", expected \"$kind\""; exit 1 ;;
    esac
done || status=1

folders=$(find "$prefix" -type d ! -perm 755)
if [ -n "$folders" ]; then
    echo "FAIL: folders not rwxr-xr-x:"
    echo "$folders"
    status=1
fi

for shipped in data.txt README.md; do
    cmp "$source/data/$shipped" "$prefix/share/lirandel/$shipped" || status=1
done
exit $status
