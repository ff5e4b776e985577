#!/usr/bin/env bash
# Usage: bench/window_pacing.sh [GAME] [ROUNDS] — windowed pacing and CPU at scales 1, 2 and 3
# on a private 3840 x 2160 Xvfb: each round plays level 1 for 11 s per scale (`--stats`), the
# scales taking turns so that they share the machine's state; then the medians, and the peak
# memory of level 2 at scale 3. Run it on an otherwise idle machine. With BASELINE set to another
# build's game, that game plays a turn at scale 1 in every round too, and the CPU ratio is printed.
set -u
game=${1:-build/app/dunspelt}
rounds=${2:-5}
work=$(mktemp -d)
Xvfb -noreset -displayfd 5 -screen 0 3840x2160x24 -nolisten tcp 5>"$work/display" 2>/dev/null &
xpid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -1 "$work/display") SDL_AUDIODRIVER=dummy
xdotool mousemove 0 0
for round in $(seq "$rounds"); do
    for scale in 1 2 3; do
        timeout -s TERM 11 "$game" --warp 1 --stats --settings "$work/settings.ini" \
            --scale $scale 2>&1 | grep 'ticks/s' >>"$work/scale$scale"
    done
    if [ -n "${BASELINE:-}" ]; then
        timeout -s TERM 11 "$BASELINE" --warp 1 --stats --settings "$work/settings.ini" \
            --scale 1 2>&1 | grep 'ticks/s' >>"$work/baseline"
    fi
done
"$game" --warp 2 --settings "$work/settings.ini" --scale 3 &
gpid=$!
sleep 10.5
peak=$(awk '/VmHWM/ { print $2 }' /proc/$gpid/status)
kill $gpid
wait $gpid 2>/dev/null
kill $xpid
wait $xpid 2>/dev/null
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
for scale in 1 2 3; do
    f="$work/scale$scale"
    echo "scale $scale: ticks/s $(sed -E 's/.*, ([0-9.]+) ticks\/s.*/\1/' "$f" | median)," \
        "interval p99 $(sed -E 's/.*interval p50 [0-9.]+ ms p99 ([0-9.]+) ms.*/\1/' "$f" | median) ms," \
        "cpu $(sed -E 's/.*cpu ([0-9.]+) s per s.*/\1/' "$f" | median) s per s," \
        "frames $(sed -E 's/.*frames ([0-9.]+) per s.*/\1/' "$f" | median) per s" \
        "(medians of $(wc -l <"$f"); cpu by round: $(sed -E 's/.*cpu ([0-9.]+) s per s.*/\1/' "$f" | tr '\n' ' '))"
done
if [ -n "${BASELINE:-}" ]; then
    base=$(sed -E 's/.*cpu ([0-9.]+) s per s.*/\1/' "$work/baseline" | median)
    now=$(sed -E 's/.*cpu ([0-9.]+) s per s.*/\1/' "$work/scale1" | median)
    echo "baseline at scale 1: cpu $base s per s (by round: $(sed -E 's/.*cpu ([0-9.]+) s per s.*/\1/' \
        "$work/baseline" | tr '\n' ' ')); ratio $(awk -v a="$now" -v b="$base" 'BEGIN { printf "%.2f", a / b }')"
fi
echo "peak memory, level 2 at scale 3: $((peak / 1024)) MB"
rm -rf "$work"
