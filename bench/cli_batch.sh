#!/usr/bin/env bash
# A batch of Latin dates through `tempidex --convert -` against `awk '{print $NF}'` on the same
# file, the cheapest useful thing a script can do with each line: first the list texts as the
# window holds them (365 texts, repeated, as a list of dates repeats them), then days with their
# years in Roman numerals, every line a different date (each day of the years from 1001 on),
# then whole dating clauses of 40 to 120 characters, those dates among the words of bulls,
# charters and letters. The program remembers the answers to lines it has seen; only the list
# texts repeat, so the other two measure the reading of every line.
# Median of RUNS runs each, interleaved, output to /dev/null. The times are wall-clock: the
# program answers a long input a few thousand lines at a time, half of them on a second thread,
# where awk uses one; the processor time of both is printed too.
#
#   cmake --preset bench && cmake --build --preset bench
#   bench/cli_batch.sh build/bench/ui/tempidex [LINES] [RUNS]
set -euo pipefail
program=$1
lines=${2:-1000000}
runs=${3:-7}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every day of a year in Latin, as the program writes it, repeated up to LINES lines.
days() { # [/year]
    for month in $(seq 12); do for day in $(seq 31); do echo "$day/$month$1"; done; done |
        "$program" --to-latin - 2>/dev/null | grep -v ERRORE || true
}
repeat() { awk -v n="$lines" '{ a[NR] = $0 } END { for (i = 0; i < n; i++) print a[i % NR + 1] }'; }
days "" | repeat >"$work/lists"
# Every day of as many years from 1001 as the lines need: no line twice.
awk -v n="$lines" 'BEGIN {
    split("31 28 31 30 31 30 31 31 30 31 30 31", length_of)
    for (year = 1001; count < n; year++)
        for (month = 1; month <= 12 && count < n; month++)
            for (day = 1; day <= length_of[month] && count < n; day++) {
                print day "/" month "/" year
                count++
            }
}' | { "$program" --to-latin - 2>/dev/null || true; } | grep -v ERRORE >"$work/years" # 5-14 Oct 1582
# The dates of "years" inside the words sources write around them, in turn.
awk '{
    n = NR % 4
    if (n == 0) print "Datum Romae apud S. Petrum, " $0 ", pontificatus nostri anno quarto."
    else if (n == 1) print "Actum Florentie, " $0 ", indictione VIII."
    else if (n == 2) print "Scr. Thessalonicae in domo Planci, " $0 " (a. 696)"
    else print "Dat. Later. " $0 " Honorio VIII et Theodosio III AA. conss."
}' "$work/years" >"$work/clauses"

elapsed() { # input command... -> milliseconds of wall-clock and of processor time
    local input=$1 TIMEFORMAT='%R %U %S'
    shift
    { time "$@" <"$input" >/dev/null 2>&1; } 2>&1 | awk '{ printf "%d %d\n", $1 * 1000, ($2 + $3) * 1000 }'
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
for _ in $(seq "$runs"); do
    for input in lists years clauses; do
        elapsed "$work/$input" "$program" --convert - >>"$work/tempidex-$input"
        elapsed "$work/$input" awk '{print $NF}' >>"$work/awk-$input"
    done
done
for input in lists years clauses; do
    for tool in tempidex awk; do
        ms=$(cut -d' ' -f1 "$work/$tool-$input" | median)
        cpu=$(cut -d' ' -f2 "$work/$tool-$input" | median)
        printf '%-7s %-9s %6d ms  %10.0f lines/s  %6d ms of processor time\n' "$input" "$tool" \
            "$ms" "$(awk -v l="$lines" -v m="$ms" 'BEGIN { print l / (m / 1000) }')" "$cpu"
    done
done
echo "$lines lines, median of $runs runs; awk is $(basename "$(readlink -f "$(command -v awk)")")"
