#!/usr/bin/env bash
# Usage: scripts/time-first-window.sh CLONE_DIR — times `make run` in a fresh clone until the
# intro window is on a private Xvfb, then ends the game and the server. For a cold figure run it
# with CCACHE_DISABLE=1.
set -u
dir=$(cd "$1" && pwd)
work=$(mktemp -d)
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" 2>/dev/null &
xpid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
disp=:$(head -1 "$work/display")
cd "$dir" || exit 1
start=$(date +%s.%N)
DISPLAY=$disp SDL_AUDIODRIVER=dummy make run >"$work/make-run.log" 2>&1 &
mpid=$!
while ! DISPLAY=$disp xdotool search --onlyvisible --name '^video$' >/dev/null 2>&1; do
    kill -0 $mpid 2>/dev/null || { echo "make run ended early (log: $work/make-run.log)"; break; }
    sleep 0.2
done
end=$(date +%s.%N)
awk -v a="$start" -v b="$end" 'BEGIN { printf "first window after %.1f s\n", b - a }'
pkill -P $mpid 2>/dev/null
wait $mpid 2>/dev/null
kill $xpid
wait $xpid 2>/dev/null
