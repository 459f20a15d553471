#!/usr/bin/env bash
# The console search: runs Kestrun on the shipped rhyme table and prints what it found.
# Usage: tools/run-search.sh [RHYME]   (default: ang)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LIRANDEL_BUILD_DIR:-$root/build}
rhyme=${1-ang}

"$root/tools/build.sh" Kestrun >&2
work="$build/work"
mkdir -p "$work"
cp "$root/data/data.txt" "$work/data.txt"
cd "$work"
status=0
"$build/bin/Kestrun" "$rhyme" >/dev/null || status=$?
[ "$status" -eq 0 ] || exit "$status"
cat SearchAnswer.txt
echo "$(wc -l < SearchAnswer.txt) lines rhyme with \"$rhyme\" (in $work/SearchAnswer.txt)" >&2
