#!/bin/sh
# Builds the Debian package of the build into a folder of its own.
# Usage: deb-build.sh BUILD_DIR PACKAGE_DIR
set -eu
build=$1 packages=$2

rm -rf -- "$packages"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$packages"
deb=$packages/lirandel_1.0_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "FAIL: no $deb"; ls -- "$packages"; exit 1; }
