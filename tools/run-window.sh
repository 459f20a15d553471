#!/usr/bin/env bash
# Opens the window on the shipped rhyme table: builds everything, then starts Lirandel in
# build/work, a working folder that holds a copy of data/data.txt.
# Usage: tools/run-window.sh [Qt options]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LIRANDEL_BUILD_DIR:-$root/build}

"$root/tools/build.sh" >&2
if [ -z "${DISPLAY-}" ] && [ -z "${WAYLAND_DISPLAY-}" ]; then
  echo "run-window: there is no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  echo "run-window: the console search works without one: tools/run-search.sh ang" >&2
  exit 1
fi
work="$build/work"
mkdir -p "$work"
cp "$root/data/data.txt" "$work/data.txt"
cd "$work"
exec "$build/bin/Lirandel" "$@"
