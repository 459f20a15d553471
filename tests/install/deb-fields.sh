#!/bin/sh
# The package's control fields: its name, version and architecture, and a Depends that
# installs what the window needs to run on a machine that has only the package.
# Usage: deb-fields.sh PACKAGE
set -eu
deb=$1
status=0

field() { dpkg-deb -f "$deb" "$1"; }
check() {
    [ "$(field "$1")" = "$2" ] || { echo "FAIL: $1 is \"$(field "$1")\", expected \"$2\""; status=1; }
}
check Package lirandel
check Version 1.0
check Architecture "$(dpkg --print-architecture)"
check Section text

depends=$(field Depends)
echo "Depends: $depends"
# The names of every alternative, one a line, without version constraints.
names=$(printf '%s\n' "$depends" | tr ',|' '\n\n' | sed 's/(.*)//; s/^ *//; s/ *$//')
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-wqy-microhei; do
    printf '%s\n' "$names" | grep -qx -- "$needed" || { echo "FAIL: Depends does not name $needed"; status=1; }
done
exit $status
