#!/usr/bin/env bash
# A batch of Latin dates through `tempidex --convert -` against `awk '{print $NF}'` on the same
# file: the cheapest useful thing a script can do with each line. Median of RUNS runs each,
# interleaved, output to /dev/null.
#
#   cmake --preset bench && cmake --build --preset bench
#   bench/cli_batch.sh build/bench/ui/tempidex [LINES] [RUNS]
set -euo pipefail
program=$1
lines=${2:-1000000}
runs=${3:-7}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every day of the year in Latin, as the program writes it, repeated up to LINES lines.
for month in $(seq 12); do for day in $(seq 31); do echo "$day/$month"; done; done |
    "$program" --to-latin - 2>/dev/null | grep -v ERRORE >"$work/year" || true
awk -v n="$lines" '{ a[NR] = $0 } END { for (i = 0; i < n; i++) print a[i % NR + 1] }' \
    "$work/year" >"$work/dates"

elapsed() { # command... -> milliseconds
    local start end
    start=$(date +%s%N)
    "$@" <"$work/dates" >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
for _ in $(seq "$runs"); do
    elapsed "$program" --convert - >>"$work/tempidex"
    elapsed awk '{print $NF}' >>"$work/awk"
done
for tool in tempidex awk; do
    ms=$(median <"$work/$tool")
    printf '%-9s %6d ms  %10.0f lines/s\n' "$tool" "$ms" "$(awk -v l="$lines" -v m="$ms" 'BEGIN { print l / (m / 1000) }')"
done
echo "$lines lines, median of $runs runs; awk is $(basename "$(readlink -f "$(command -v awk)")")"
