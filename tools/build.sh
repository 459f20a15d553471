#!/usr/bin/env bash
# Installs what is missing, configures build/ and builds the given targets (all by default).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LIRANDEL_BUILD_DIR:-$root/build}

"$root/tools/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja --log-level=WARNING \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLIRANDEL_WARNINGS_AS_ERRORS=ON
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build "$build" "${targets[@]}"
