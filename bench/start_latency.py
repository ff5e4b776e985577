#!/usr/bin/env python3
"""Start button -> first tick in fresh windowed processes under a private Xvfb.

    bench/start_latency.py GAME [GAME ...] [--runs 10] [--no-cache]

Each run copies the game's application folder, starts the game in a window with a trace,
lets the intro hand over to the menu, clicks the start button and reads from the trace the
milliseconds between the menu's unload (the click) and the end of the first tick. Runs of the
given games alternate so that they share the machine's state; the first game is the baseline.
"""
import argparse, json, os, shutil, statistics, subprocess, sys, tempfile, time


def start_xvfb():
    r, w = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(w), "-screen", "0", "1024x768x24",
                               "-nolisten", "tcp"], pass_fds=(w,),
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(w)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(r, 16)
        if not chunk:
            raise RuntimeError("Xvfb did not start")
        number += chunk
    os.close(r)
    return server, ":" + number.decode().strip()


def trace_lines(path):
    try:
        with open(path) as f:
            return [json.loads(l) for l in f if l.endswith("\n")]
    except FileNotFoundError:
        return []


def find_window(env, name, timeout):
    end = time.time() + timeout
    while time.time() < end:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name], env=env,
                               capture_output=True, text=True).stdout.split()
        if found:
            return found[0]
        time.sleep(0.1)
    raise RuntimeError("no window " + name)


def one_run(game, display, keep_cache):
    work = tempfile.mkdtemp(prefix="dunspelt-latency-")
    try:
        app = os.path.join(work, "app")
        shutil.copytree(os.path.dirname(os.path.abspath(game)), app, symlinks=True)
        if not keep_cache:
            for f in os.listdir(os.path.join(app, "maps")):
                if f.endswith(".DAT"):
                    os.remove(os.path.join(app, "maps", f))
        trace = os.path.join(work, "trace.jsonl")
        env = dict(os.environ, DISPLAY=display, SDL_AUDIODRIVER="dummy",
                   XDG_CONFIG_HOME=work, XDG_DATA_HOME=work)
        proc = subprocess.Popen([os.path.join(app, os.path.basename(game)), "--app-dir", app,
                                 "--trace", trace], env=env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            # The trace is written as the game goes but read only after it ends.
            wid = find_window(env, "^Menu$", 30)
            time.sleep(0.5)
            # The start button: 312, 120, 169 x 97 in the menu's client area.
            subprocess.run(["xdotool", "mousemove", "--window", wid, "396", "168", "click", "1"],
                           env=env, check=True)
            find_window(env, "^Feel IT !!$|^DUNSPELT LEVEL", 30)
            time.sleep(1.0)
        finally:
            proc.terminate()  # the game ends cleanly and closes its trace
            try:
                proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait()
        lines = trace_lines(trace)
        click = next(l["ms"] for l in lines
                     if l.get("event") == "unload" and l.get("form") == "izvelne")
        first = next(l["ms"] for l in lines if l.get("tick") == 1)
        return first - click
    finally:
        shutil.rmtree(work, ignore_errors=True)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("games", nargs="+")
    ap.add_argument("--runs", type=int, default=10)
    ap.add_argument("--no-cache", action="store_true", help="remove the grid caches first")
    args = ap.parse_args()
    server, display = start_xvfb()
    try:
        results = {g: [] for g in args.games}
        for _ in range(args.runs):
            for g in args.games:
                results[g].append(one_run(g, display, not args.no_cache))
        base = statistics.median(results[args.games[0]])
        for g in args.games:
            m = statistics.median(results[g])
            print(f"{g}: median {m} ms ({m / base:.2f} x baseline), runs {results[g]}")
    finally:
        server.kill()
        server.wait()


if __name__ == "__main__":
    sys.exit(main())
