#!/bin/sh
# The installed menu entry is valid and points at what was installed beside it: its Exec at
# the wrapper in bin/, its Icon at the icons in the hicolor theme.
# Usage: desktop-entry.sh PREFIX_DIR
set -eu
prefix=$1
entry=$prefix/share/applications/lirandel.desktop

desktop-file-validate "$entry"

value() { sed -n "s/^$1=//p" "$entry"; }
exec_line=$(value Exec)
icon=$(value Icon)
status=0

program=${exec_line%% *}
if [ ! -x "$prefix/bin/$program" ]; then
    echo "FAIL: Exec=$exec_line names no program installed in bin/"
    status=1
fi
if [ "$program" != lirandel ]; then
    echo "FAIL: Exec=$exec_line starts the window without the wrapper that makes its working folder"
    status=1
fi
if [ -z "$icon" ] || ! ls "$prefix/share/icons/hicolor/"*/apps/"$icon.png" >/dev/null 2>&1; then
    echo "FAIL: Icon=$icon names no icon installed in the hicolor theme"
    status=1
fi
if [ "$(value Terminal)" != false ]; then
    echo "FAIL: the window must start without a terminal"
    status=1
fi
exit $status
