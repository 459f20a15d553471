#!/usr/bin/env bash
# Times Kestrun against ripgrep and grep on a generated rhyme table and prints medians and ratios.
#
# Usage: run-filter-bench.sh KESTRUN GENERATOR [REPEATS]
#   KESTRUN    the built filter
#   GENERATOR  the built make-bench-table
#   REPEATS    timed runs of each command, interleaved with its peer's (default 11)
# BENCH_TABLE_BYTES sets the table's size for a quick try (default 268435456, 256 MiB).
#
# The table, the results and the peers' outputs live in a temporary folder that is removed at the end.
# Exit status 0 when every case ran, whether or not it met its target.
set -euo pipefail

# One locale for every tool: the same decimal point in every figure, and grep at its fastest.
export LC_ALL=C

program=$(basename -- "$0")

Fail() {
  echo "$program: $*" >&2
  exit 1
}

[ $# -ge 2 ] && [ $# -le 3 ] || { echo "usage: $program KESTRUN GENERATOR [REPEATS]" >&2; exit 64; }
kestrun=$(realpath -- "$1")
generator=$(realpath -- "$2")
repeats=${3:-11}
table_bytes=${BENCH_TABLE_BYTES:-268435456}
[[ $repeats =~ ^[1-9][0-9]*$ ]] || Fail "REPEATS must be a positive number, not '$repeats'"
[[ $table_bytes =~ ^[1-9][0-9]*$ ]] || Fail "BENCH_TABLE_BYTES must be a positive number, not '$table_bytes'"
for executable in "$kestrun" "$generator"; do
  [ -f "$executable" ] && [ -x "$executable" ] || Fail "$executable: not an executable file"
done
for tool in rg grep /usr/bin/time; do
  command -v "$tool" > /dev/null || Fail "$tool not found: run tools/install-deps.sh"
done

work=$(mktemp -d "${TMPDIR:-/tmp}/lirandel-filter-bench.XXXXXX")
trap 'rm -rf -- "$work"' EXIT
cd "$work"

"$generator" "$table_bytes" > data.txt || Fail "the generator failed"
cat data.txt > /dev/null

# The four timed commands. Each checks its exit status, so a broken run is never timed as a fast one.
KestrunMiss() {
  "$kestrun" xyz > /dev/null || Fail "Kestrun xyz exited with status $?"
}
RipgrepMiss() {
  local status=0
  rg -F xyz data.txt > /dev/null || status=$?
  [ "$status" -eq 1 ] || Fail "rg -F xyz exited with status $status (1 means no match)"
}
KestrunAng() {
  "$kestrun" ang > /dev/null || Fail "Kestrun ang exited with status $?"
}
GrepAng() {
  grep --line-buffered -F ang data.txt > grep-answer.txt || Fail "grep -F ang exited with status $?"
}

# Prints the wall time of one run in microseconds. EPOCHREALTIME is read without a fork, so the
# figure holds the command alone; a clock step would spoil one repeat, which the median drops.
Microseconds() {
  local start end
  start=${EPOCHREALTIME/./}
  "$@"
  end=${EPOCHREALTIME/./}
  echo $((end - start))
}

Median() {
  printf '%s\n' "$@" | sort -n | awk '{ value[NR] = $1 }
    END { print (NR % 2) ? value[(NR + 1) / 2] : (value[NR / 2] + value[NR / 2 + 1]) / 2 }'
}

# Peak resident set size in KiB, the largest of three runs.
PeakKibibytes() {
  local peak=0 kibibytes
  for _ in 1 2 3; do
    /usr/bin/time -v -o time.txt "$@" > /dev/null || Fail "$* exited with status $?"
    kibibytes=$(awk -F': *' '/Maximum resident set size/ { print $2 }' time.txt)
    [ "$kibibytes" -gt "$peak" ] && peak=$kibibytes
  done
  echo "$peak"
}

# Untimed first runs: the programs' own pages come into memory, and the outputs are checked.
KestrunMiss
[ ! -s SearchAnswer.txt ] || Fail "Kestrun xyz found lines, but the table holds no 'xyz'"
RipgrepMiss
KestrunAng
GrepAng

lines=$(wc -l < data.txt)
ang_lines=$(grep -c -F ang data.txt)
kestrun_lines=$(wc -l < SearchAnswer.txt)
grep_lines=$(wc -l < grep-answer.txt)

kestrun_miss=() ripgrep_miss=() kestrun_ang=() grep_ang=()
for ((repeat = 0; repeat < repeats; ++repeat)); do
  kestrun_miss+=("$(Microseconds KestrunMiss)")
  ripgrep_miss+=("$(Microseconds RipgrepMiss)")
done
for ((repeat = 0; repeat < repeats; ++repeat)); do
  kestrun_ang+=("$(Microseconds KestrunAng)")
  grep_ang+=("$(Microseconds GrepAng)")
done

kestrun_peak=$(PeakKibibytes "$kestrun" ang)
grep_peak=$(PeakKibibytes grep --line-buffered -F ang data.txt)

echo
echo "Kestrun benchmark: $(stat -c %s data.txt) bytes, $lines lines, $repeats interleaved repeats each, medians"
echo "peers: $(rg --version | head -n 1), $(grep --version | head -n 1); $(nproc) cores"
awk -v ang="$ang_lines" -v lines="$lines" \
  'BEGIN { printf "lines holding \"ang\": %d of %d (%.1f %%)\n", ang, lines, 100 * ang / lines }'
echo "result lines for \"ang\": Kestrun $kestrun_lines (CR LF), grep $grep_lines (LF)"
echo

Row() {
  awk -v name="$1" -v ours="$2" -v peer="$3" -v target="$4" 'BEGIN {
    ratio = ours / peer
    printf "%-34s %9.3f %9.3f %7.3f %8s  %s\n", name, ours / 1e6, peer / 1e6, ratio, "<= " target,
      (ratio <= target) ? "PASS" : "MISS"
  }'
}
printf "%-34s %9s %9s %7s %8s  %s\n" case "Kestrun s" "peer s" ratio target result
Row "xyz, no match / rg -F xyz" "$(Median "${kestrun_miss[@]}")" "$(Median "${ripgrep_miss[@]}")" 2.0
Row "ang, 10 % match / grep -F ang" "$(Median "${kestrun_ang[@]}")" "$(Median "${grep_ang[@]}")" 1.0
awk -v ours="$kestrun_peak" -v peer="$grep_peak" 'BEGIN {
  printf "%-34s %7.1f MiB (grep %.1f MiB)  target <= 8 MiB  %s\n", "peak RSS of Kestrun ang",
    ours / 1024, peer / 1024, (ours <= 8 * 1024) ? "PASS" : "MISS"
}'
