#!/bin/sh
# Installs the build into a fresh DESTDIR tree with the prefix a package uses.
# Usage: stage.sh BUILD_DIR STAGE_DIR
set -eu
build=$1 stage=$2

rm -rf -- "$stage"
DESTDIR=$stage cmake --install "$build" --prefix /usr
