#!/bin/sh
# The tests that play in real windows under Xvfb, RUNS full runs in a row with two busy loops
# beside them, as on a loaded machine: a key tap or a fixed wait that only holds on an idle
# machine shows up here. Prints each run's result and the tally; the loops end with the script,
# also when a run fails or it is interrupted.
# usage: windows-stress.sh BUILD_DIR RUNS TEST_NAME_REGEX
set -u
build=$1 runs=$2 filter=$3

yes >/dev/null &
busy1=$!
yes >/dev/null &
busy2=$!
trap 'kill $busy1 $busy2 2>/dev/null' EXIT
trap 'exit 130' INT TERM

passed=0
failed=0
start=$(date +%s)
run=1
while [ "$run" -le "$runs" ]; do
    log=$build/windows-stress-$run.log
    if ctest --test-dir "$build" --output-on-failure -j4 -R "$filter" >"$log" 2>&1; then
        passed=$((passed + 1))
        echo "run $run: passed ($(grep -o '[0-9]*% tests passed.*' "$log"))"
    else
        failed=$((failed + 1))
        echo "run $run: FAILED, see $log"
        grep -E '^[[:space:]]+[0-9]+ - ' "$log"
    fi
    run=$((run + 1))
done
echo "window tests beside two busy loops: $passed of $runs runs passed, $failed failed," \
    "$(($(date +%s) - start)) s; load: $(cut -d' ' -f1-3 /proc/loadavg)"
[ "$failed" -eq 0 ]
