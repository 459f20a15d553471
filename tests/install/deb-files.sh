#!/bin/sh
# The package holds exactly the installed layout under /usr, owned by root, with folders
# open to all.
# Usage: deb-files.sh PACKAGE EXPECTED_LAYOUT
set -eu
deb=$1 expected=$2
status=0
lists=$(mktemp -d)
trap 'rm -rf -- "$lists"' EXIT

dpkg-deb -c "$deb" > "$lists/contents"
grep -v '^#' "$expected" | awk '{ print $1, "root/root", "./usr/" $2 }' | sort > "$lists/expected"
awk '$1 !~ /^d/ { print $1, $2, $6 }' "$lists/contents" | sort > "$lists/packaged"
if ! diff -u "$lists/expected" "$lists/packaged"; then
    echo "FAIL: packaged files differ from $expected (- expected, + packaged)"
    status=1
fi

folders=$(awk '$1 ~ /^d/ && ($1 != "drwxr-xr-x" || $2 != "root/root")' "$lists/contents")
if [ -n "$folders" ]; then
    echo "FAIL: folders not rwxr-xr-x root/root:"
    echo "$folders"
    status=1
fi
exit $status
