#!/bin/sh
# The installed filter, run on a copy of the installed table, lists exactly the table's
# lines whose syllable ends in "ang", each with CR LF.
# Usage: kestrun-finds-ang.sh PREFIX_DIR WORK_DIR
set -eu
prefix=$1 work=$2

rm -rf -- "$work"
mkdir -p -- "$work"
cp -- "$prefix/share/lirandel/data.txt" "$work/data.txt"
cd -- "$work"

grep -E '^[a-z]*ang[1-5] ' data.txt | sed 's/$/\r/' > expected.txt
for line in 'ang2 ' 'bang1 ' 'zhuang4 '; do
    grep -q "^$line" expected.txt || { echo "FAIL: the installed table has no \"$line\" line"; exit 1; }
done

status=0
"$prefix/bin/Kestrun" ang > stdout.txt || status=$?
[ "$status" -eq 0 ] || { echo "FAIL: Kestrun ang exited with $status"; exit 1; }
[ "$(cat stdout.txt)" = 'myfind: ang' ] || { echo "FAIL: Kestrun printed:"; cat stdout.txt; exit 1; }
cmp expected.txt SearchAnswer.txt || { diff expected.txt SearchAnswer.txt | head -20; exit 1; }
