#!/usr/bin/env bash
# The browser tests (tests/web/), in each browser of DUNSPELT_BROWSERS (default both) at once:
# one node process per browser, each with its test files side by side. The tests mostly wait
# for the game's real time (the intro, replays), so four at once take about the time of the
# longest file instead of the sum. Each browser's report is shown whole when it has finished.
# Then the timed test (the tick rate in Chromium) runs alone; given a QUIET_FILE, it waits on
# the menu until that file exists (make test creates it when ctest has finished).
#   scripts/web-tests.sh BUILD_DIR [QUIET_FILE]
set -uo pipefail
build=$(realpath "$1")
cd "$(dirname "$0")/../tests/web"
IFS=, read -ra browsers <<<"${DUNSPELT_BROWSERS:-chromium,firefox}"
pids=()
for browser in "${browsers[@]}"; do
    DUNSPELT_BUILD=$build DUNSPELT_BROWSERS=$browser \
        node --test --test-concurrency=2 >"$build/web-tests-$browser.log" 2>&1 &
    pids+=($!)
done
status=0
for i in "${!browsers[@]}"; do
    wait "${pids[i]}" || status=1
    cat "$build/web-tests-${browsers[i]}.log"
done
if [[ " ${browsers[*]} " == *" chromium "* ]]; then
    DUNSPELT_BUILD=$build DUNSPELT_QUIET_FILE=${2:-} node --test tick_rate.timed.mjs || status=1
fi
exit $status
