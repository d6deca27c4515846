#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Veskora developers
#
# Builds the benchmark programs and prints the course's speed figures on this machine as
# medians over repeated runs, each beside its target:
#
#   scripts/bench.sh [RUNS]        RUNS repetitions of each figure (default 15)
#
# VESKORA_BENCH_DIR names the build folder (default build-bench, configured RelWithDebInfo
# with the benchmarks on). The raw output of every program is kept in <build>/bench-logs/.
# The exit status is 0 when every program ran, whether or not the targets were met.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VESKORA_BENCH_DIR:-$root/build-bench}"
runs="${1:-15}"
if ! [[ "$runs" =~ ^[1-9][0-9]{0,3}$ ]]; then
    echo "usage: $0 [RUNS]   (RUNS a whole number from 1 to 9999)" >&2
    exit 2
fi

echo "== Building the benchmarks in $build =="
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVESKORA_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" --target bench_startup bench_lessons bench_agentspeak bench_dictionarywindow bench_practice
# The build's output goes to disk before anything is timed: the kernel writing it back takes
# the processors from the programs timed (a first lesson opening of 300 ms instead of 30 was
# seen while a build's files were still being written).
sync

logs="$build/bench-logs"
mkdir -p "$logs"
export QT_QPA_PLATFORM=offscreen
export VESKORA_APP_DIR="$build/app"
failed=()

# Runs one program, keeping its output in $logs/<name>.txt; a failure is remembered and the
# remaining figures are still measured.
run() {
    local name="$1"
    shift
    echo "-- $name" >&2
    if ! "$@" >"$logs/$name.txt" 2>"$logs/$name.err"; then
        failed+=("$name (see $logs/$name.err)")
    fi
}

# The first number after the text $2 on the first line of file $1 that holds it.
figure() {
    needle="$2" awk 'index($0, ENVIRON["needle"]) {
        rest = substr($0, index($0, ENVIRON["needle"]) + length(ENVIRON["needle"]))
        if (match(rest, /[0-9]+(\.[0-9]+)?/)) print substr(rest, RSTART, RLENGTH)
        exit }' "$1" 2>/dev/null || true
}

median() {
    sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) exit; print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

echo "== Running each figure $runs times ==" >&2
run startup "$build/bench/startup/bench_startup" --runs "$runs"
run lessons "$build/bench/lessons/bench_lessons" --runs "$runs"
# The process's first opening (it also opens the course database) once in each of RUNS
# processes.
: >"$logs/first.txt"
for ((i = 0; i < runs; ++i)); do
    run first-run "$build/bench/lessons/bench_lessons" --first
    cat "$logs/first-run.txt" >>"$logs/first.txt"
done
: >"$logs/memory.txt"
for ((i = 0; i < runs; ++i)); do
    run memory-run "$build/bench/lessons/bench_lessons" --memory
    cat "$logs/memory-run.txt" >>"$logs/memory.txt"
done
run festival "$build/bench/agent/bench_agentspeak" --runs "$runs" --stall-runs 1 --voice festival
# The stall is measured in real time, 48 s a run, so over a fifth as many runs.
run agent "$build/bench/agent/bench_agentspeak" --runs "$runs" --stall-runs "$(((runs + 4) / 5))"
# Four-letter words typed and deleted: eight keystrokes a word, so 4 × RUNS words give a
# median over 32 × RUNS keystrokes at each size. The generated dictionaries are reused.
run dictionary "$build/bench/dictionary/bench_dictionarywindow" --words "$((4 * runs))" --data "$build/bench-dictionary"
# The year of practice history is written once and reused.
run practice "$build/bench/practice/bench_practice" --runs "$runs" --data "$build/bench-practice"

launch=$(figure "$logs/startup.txt" "course program: median")
minimal=$(figure "$logs/startup.txt" "Widgets program: median")
ratio=$(figure "$logs/startup.txt" "launch ratio:")
opening=$(figure "$logs/lessons.txt" "first record shown: median")
firstOpening=$(grep -Eo 'first record shown: [0-9.]+' "$logs/first.txt" | awk '{ print $NF }' | median || true)
warmUp=$(figure "$logs/lessons.txt" "after the main window was shown:")
next=$(figure "$logs/lessons.txt" "next record shown: median")
memory=$(grep -Eo '[0-9.]+ MB' "$logs/memory.txt" | cut -d' ' -f1 | median || true)
espeak=$(figure "$logs/agent.txt" "(one pass, its default rate): median")
dictionary() {
    awk -v rows="$1" '$2 == "rows" { current = $1 } current == rows && /every keystroke/ {
        for (i = 1; i <= NF; ++i) if ($i == "median") { print $(i + 1); exit } }' "$logs/dictionary.txt" 2>/dev/null
}

# Prints one row: what, median, unit, target (comparison and bound; empty for none).
row() {
    local what="$1" value="$2" unit="$3" op="${4:-}" bound="${5:-}" verdict=""
    if [[ -z "$value" ]]; then
        value="—"
        verdict="not measured"
    elif [[ -n "$op" ]]; then
        if awk -v v="$value" -v b="$bound" 'BEGIN { exit !(v <= b) }'; then verdict="met"; else verdict="MISSED"; fi
    fi
    printf '%-58s %10s %-3s %-10s %s\n' "$what" "$value" "$unit" "${op:+$op $bound}" "$verdict"
}

echo
echo "Veskora speed figures: medians of $runs runs, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores," \
    "load average $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-58s %10s %-3s %-10s %s\n' "Figure" "Median" "" "Target" ""
row "Launch to main window shown (veskora)" "$launch" ms
row "Launch to first window shown (minimal Qt Widgets program)" "$minimal" ms
row "  ratio" "$ratio" "" "≤" 1.5
row "Open lesson 2 from the menu to its first record shown" "$opening" ms "≤" 50
row "  the process's first opening, 300 ms after the warm-up" "$firstOpening" ms "≤" 50
row "  modules loaded in the background after the main window" "$warmUp" ms
row "Next to the next record shown" "$next" ms "≤" 5
for rate in 150 80 50; do
    row "Speak (\\spd=$rate\\) to first audio buffer" \
        "$(figure "$logs/agent.txt" "Speak \\spd=$rate\\ to audio handed over: median")" ms "≤" 20
done
row "  espeak-ng's own synthesis of the same sentence" "$espeak" ms
for rate in 150 80 50; do
    row "Speak (\\spd=$rate\\) to first audio buffer, Festival" \
        "$(figure "$logs/festival.txt" "Speak \\spd=$rate\\ to audio handed over (festival): median")" ms "≤" 50
done
row "  a sentence said for the first time (\\spd=80\\), Festival" \
    "$(figure "$logs/festival.txt" "said for the first time (festival): median")" ms
row "  Festival's voice loaded in the background (one run)" "$(figure "$logs/festival.txt" "in the background in")" ms
row "  memory with both voices loaded (VmRSS, one run)" "$(figure "$logs/festival.txt" "VmRSS:")" kB
row "Longest interface-thread stall, 40 words at \\spd=50\\" \
    "$(figure "$logs/agent.txt" "Longest interface-thread stall while saying 40 words at \\spd=50\\: median")" ms "≤" 16
row "Keystroke in the dictionary, 50,000 rows" "$(dictionary 50000)" ms "≤" 16
row "Keystroke in the dictionary, 1,000,000 rows" "$(dictionary 1000000)" ms "≤" 16
row "Peak memory, lesson 2 and the dictionary open (VmHWM)" "$memory" MB "≤" 120
row "Open My progress with a year of daily practice" "$(figure "$logs/practice.txt" "to its first paint: median")" ms "≤" 100
row "  the process's first opening, reading the course (not a median)" "$(figure "$logs/practice.txt" " ms, first")" ms
row "Next to the next practice item shown" "$(figure "$logs/practice.txt" "practice item shown: median")" ms "≤" 16

if ((${#failed[@]})); then
    echo
    printf 'failed: %s\n' "${failed[@]}"
    exit 1
fi
