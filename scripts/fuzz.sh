#!/usr/bin/env bash
# Builds the fuzz preset and runs every libFuzzer harness for the given time each.
# Usage: scripts/fuzz.sh [seconds per harness] [harness...]   (default 60 s, every harness)
# Ends with one line per harness, "fuzz <name>: <runs> runs, <crashes> crashes", then
# "fuzz: N passed, N failed". Findings are kept under build/fuzz/findings/<name>/; one that shows a
# fault becomes an input under tests/fuzz/regressions/<name>/ and a test of the normal suite.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || ((seconds < 1)); then
    echo "usage: $0 [seconds per harness] [harness...]" >&2
    exit 2
fi
shift $(($# > 0 ? 1 : 0))
only=("$@")

"$root/scripts/setup.sh" fuzz || {
    echo "fuzz: the fuzz preset did not build"
    echo "fuzz: 0 passed, 1 failed"
    exit 1
}

bin=$root/build/fuzz/bin
work=$root/build/fuzz
# Input bounds: enough for every structure the readers know (a picture with its headers and some
# data), small enough for many runs; the harnesses refuse what the program refuses. A list over the
# 32767-entry bound is a seed, run whole by the replay test of the normal suite.
declare -A max_len=([settings]=65536 [lines]=16384 [folders]=16384 [exif]=65535 [image]=262144)
# Memory as the program allows itself: one picture of 2^27 pixels and its scaled copies.
limits=(-rss_limit_mb=3072 -malloc_limit_mb=3072 -timeout=60)

passed=0
failed=0
summary=()
for harness in "$bin"/velmora-fuzz-*; do
    name=${harness##*/velmora-fuzz-}
    if ((${#only[@]})) && ! printf '%s\n' "${only[@]}" | grep -qx "$name"; then
        continue
    fi
    corpus=$work/corpus/$name
    findings=$work/findings/$name
    log=$work/logs/$name.log
    mkdir -p "$corpus" "$findings" "${log%/*}"
    : >"$log"
    runs=0
    crashes=0
    deadline=$((SECONDS + seconds))
    # A finding stops libFuzzer; start again with the time that is left, so a run of N seconds is N
    # seconds of fuzzing and every distinct finding is counted.
    while :; do
        left=$((deadline - SECONDS))
        ((left >= 1)) || break
        before=$(find "$findings" -type f | wc -l)
        part=$work/logs/$name.part
        "$harness" "${limits[@]}" -max_len="${max_len[$name]:-65536}" -max_total_time="$left" \
            -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "$root/tests/fuzz/corpus/$name" \
            >"$part" 2>&1
        status=$?
        cat "$part" >>"$log"
        executed=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$part" | grep -o '[0-9]*$' | tail -1)
        [[ -n "$executed" ]] || executed=$(grep -o '^#[0-9]*' "$part" | tr -d '#' | tail -1)
        runs=$((runs + ${executed:-0}))
        after=$(find "$findings" -type f | wc -l)
        if ((status != 0)); then
            ((crashes += after > before ? after - before : 1))
            echo "fuzz $name: finding, see $log and $findings/" >&2
            ((crashes < 20)) || break
        fi
        ((status != 0)) || break
    done
    rm -f "$work/logs/$name.part"
    summary+=("fuzz $name: $runs runs, $crashes crashes")
    if ((crashes == 0 && runs > 0)); then
        ((passed += 1))
    else
        ((failed += 1))
    fi
done
if ((passed + failed == 0)); then
    summary+=("fuzz: no harness was built")
    failed=1
fi
printf '%s\n' "${summary[@]}"
echo "fuzz: $passed passed, $failed failed"
((failed == 0))
