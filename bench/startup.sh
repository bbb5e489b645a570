#!/usr/bin/env bash
# Start-up of the main window against a bare Qt window of the same size, and against that
# window with one label (the floor for any window that shows text), all in one X server:
# wall time to the first frame and peak memory, median of RUNS runs each, interleaved.
#
#   cmake --preset bench && cmake --build --preset bench
#   xvfb-run -a -s "-screen 0 1024x768x24" bench/startup.sh build/bench/bench [RUNS]
set -euo pipefail
dir=$1
runs=${2:-21}
programs=(startup_bare_window startup_label_window startup_main_window)
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT

measure() { # program -> "milliseconds kilobytes"
    local start end
    start=$(date +%s%N)
    /usr/bin/time -f %M -o "$results/rss" "$1" >/dev/null 2>&1
    end=$(date +%s%N)
    echo "$(((end - start) / 1000000)) $(cat "$results/rss")"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

for program in "${programs[@]}"; do "$dir/$program" >/dev/null 2>&1; done # warm the caches
for _ in $(seq "$runs"); do
    for program in "${programs[@]}"; do
        measure "$dir/$program" >>"$results/$program"
    done
done
declare -A ms kb
for program in "${programs[@]}"; do
    ms[$program]=$(cut -d' ' -f1 "$results/$program" | median)
    kb[$program]=$(cut -d' ' -f2 "$results/$program" | median)
    printf '%-22s %4d ms %7d KiB peak\n' "$program" "${ms[$program]}" "${kb[$program]}"
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
for base in startup_bare_window startup_label_window; do
    echo "main window / ${base#startup_}: time $(ratio "${ms[startup_main_window]}" "${ms[$base]}")x," \
        "memory $(ratio "${kb[startup_main_window]}" "${kb[$base]}")x (median of $runs runs)"
done
