#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test; then builds the
# filter again under AddressSanitizer and UndefinedBehaviorSanitizer and reruns its tests.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LIRANDEL_BUILD_DIR:-$root/build}

"$root/tools/build.sh"
ctest --test-dir "$build" --output-on-failure

sanitized="$build-sanitize"
cmake -S "$root" -B "$sanitized" -G Ninja --log-level=WARNING \
  -DCMAKE_BUILD_TYPE=Debug -DLIRANDEL_BUILD_GUI=OFF -DLIRANDEL_SANITIZE=ON -DLIRANDEL_WARNINGS_AS_ERRORS=ON
cmake --build "$sanitized" --target Kestrun kestrun_rules_test kestrun_blackbox_test
ctest --test-dir "$sanitized" -L filter --output-on-failure
