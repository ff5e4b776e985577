#!/usr/bin/env bash
# The browser tests (tests/web/), in each browser of DUNSPELT_BROWSERS (default both) at once:
# one node process per browser, each with its test files side by side. The tests mostly wait
# for the game's real time (the intro, replays), so four at once take about the time of the
# longest file instead of the sum. Each browser's report is shown whole when it has finished.
# Then the timed test (the tick rate in Chromium), which needs the machine to itself.
#   scripts/web-tests.sh BUILD_DIR [together|timed]   (default: both, in that order)
set -uo pipefail
build=$(realpath "$1")
part=${2:-}
cd "$(dirname "$0")/../tests/web"
IFS=, read -ra browsers <<<"${DUNSPELT_BROWSERS:-chromium,firefox}"
status=0
if [[ $part != timed ]]; then
    pids=()
    for browser in "${browsers[@]}"; do
        DUNSPELT_BUILD=$build DUNSPELT_BROWSERS=$browser \
            node --test --test-concurrency=2 >"$build/web-tests-$browser.log" 2>&1 &
        pids+=($!)
    done
    for i in "${!browsers[@]}"; do
        wait "${pids[i]}" || status=1
        cat "$build/web-tests-${browsers[i]}.log"
    done
fi
if [[ $part != together && " ${browsers[*]} " == *" chromium "* ]]; then
    DUNSPELT_BUILD=$build node --test tick_rate.timed.mjs || status=1
fi
exit $status
