#!/usr/bin/env python3
"""Key press -> changed picture, measured from outside the game under a private Xvfb.

    bench/input_latency.py [GAME] [--presses 30] [--scales 1,2,3,full]
    BASELINE=OTHER/dunspelt bench/input_latency.py build/app/dunspelt

For each scale the game starts at level 1 (--warp 1). A key is pressed through XTest (the
player starts walking, left and right in turn), and the game window's pixels are read with
XGetImage every 0.1 ms until they change: the press-to-picture time. The presses come at
random moments, so they fall on every phase of the ticks and frames; between two presses the
key is let go and the picture left to settle. Prints the median, p90 and worst, and the median
time one read takes (a floor on what can be told apart). With BASELINE set, that game plays the
same presses in turns with the first, and the ratio of the medians is printed.
"""
import argparse, ctypes, ctypes.util, os, random, shutil, statistics, subprocess, sys
import tempfile, time

X11 = ctypes.CDLL(ctypes.util.find_library("X11"))
XTST = ctypes.CDLL(ctypes.util.find_library("Xtst"))
X11.XOpenDisplay.restype = ctypes.c_void_p
X11.XOpenDisplay.argtypes = [ctypes.c_char_p]
X11.XStringToKeysym.restype = ctypes.c_ulong
X11.XStringToKeysym.argtypes = [ctypes.c_char_p]
X11.XKeysymToKeycode.restype = ctypes.c_ubyte
X11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
X11.XFlush.argtypes = [ctypes.c_void_p]
X11.XCloseDisplay.argtypes = [ctypes.c_void_p]
X11.XGetImage.restype = ctypes.c_void_p
X11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                          ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
X11.XGetSubImage.restype = ctypes.c_void_p
X11.XGetSubImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                             ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int,
                             ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
X11.XDestroyImage.argtypes = [ctypes.c_void_p]
XTST.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
ALL_PLANES, Z_PIXMAP = 0xFFFFFFFF, 2


class XImage(ctypes.Structure):  # the leading fields of Xlib's XImage
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int)]


class Screen:
    """A connection to the display: key presses and pixel reads of one window's band."""

    def __init__(self, display):
        self.dpy = X11.XOpenDisplay(display.encode())
        if not self.dpy:
            raise RuntimeError("cannot open display " + display)
        self.image = None

    def key(self, name, down):
        code = X11.XKeysymToKeycode(self.dpy, X11.XStringToKeysym(name.encode()))
        XTST.XTestFakeKeyEvent(self.dpy, code, 1 if down else 0, 0)
        X11.XFlush(self.dpy)

    def watch(self, window, x, y, w, h):
        """From now on read() returns the pixels of this rectangle of the window."""
        if self.image:
            X11.XDestroyImage(self.image)
        self.window, self.rect = window, (x, y, w, h)
        self.image = X11.XGetImage(self.dpy, window, x, y, w, h, ALL_PLANES, Z_PIXMAP)
        if not self.image:
            raise RuntimeError("XGetImage failed")
        img = XImage.from_address(self.image)
        self.size = img.bytes_per_line * img.height
        self.data = img.data

    def read(self):
        x, y, w, h = self.rect
        X11.XGetSubImage(self.dpy, self.window, x, y, w, h, ALL_PLANES, Z_PIXMAP, self.image, 0, 0)
        return ctypes.string_at(self.data, self.size)

    def close(self):
        if self.image:
            X11.XDestroyImage(self.image)
        X11.XCloseDisplay(self.dpy)


def start_xvfb():
    r, w = os.pipe()
    server = subprocess.Popen(["Xvfb", "-noreset", "-displayfd", str(w), "-screen", "0",
                               "3840x2160x24", "-nolisten", "tcp"], pass_fds=(w,),
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


def find_window(env, name, timeout):
    end = time.time() + timeout
    while time.time() < end:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name], env=env,
                               capture_output=True, text=True).stdout.split()
        if found:
            return int(found[0])
        time.sleep(0.1)
    raise RuntimeError("no window " + name)


def window_size(env, window):
    info = subprocess.run(["xwininfo", "-id", str(window)], env=env, capture_output=True,
                          text=True).stdout
    field = lambda name: int(info.split(name + ":")[1].split()[0])
    return field("Width"), field("Height")


def settle(screen, quiet=0.06, timeout=3.0):
    """Waits until the picture has not changed for `quiet` seconds; returns it."""
    last, since, end = screen.read(), time.perf_counter(), time.perf_counter() + timeout
    while time.perf_counter() < end:
        time.sleep(0.002)
        now = screen.read()
        if now != last:
            last, since = now, time.perf_counter()
        elif time.perf_counter() - since >= quiet:
            return last
    raise RuntimeError("the picture does not settle (something on it moves by itself)")


def busiest_band(before, after, bytes_per_row, band):
    """The first row of the `band` rows where walking changed the most pixels, or None."""
    changed = [sum(a != b for a, b in zip(before[y * bytes_per_row:(y + 1) * bytes_per_row:4],
                                          after[y * bytes_per_row:(y + 1) * bytes_per_row:4]))
               for y in range(len(before) // bytes_per_row)]
    if not any(changed):
        return None
    sums = [sum(changed[y:y + band]) for y in range(0, max(1, len(changed) - band + 1))]
    return max(range(len(sums)), key=sums.__getitem__)


def press_times(screen, presses, rng, reads):
    """`presses` key presses, each timed from XTest's request to the first changed read."""
    times = []
    for i in range(presses):
        key = "Right" if i % 2 == 0 else "Left"
        settle(screen)
        # A random moment: every phase of the ticks (10 ms) and the frames (16.7 ms). The
        # picture is read again just before the press: something else on it (an enemy's step)
        # may have changed it meanwhile, and that is no answer to the key.
        time.sleep(rng.uniform(0.0, 0.05))
        before = screen.read()
        start = time.perf_counter()
        screen.key(key, True)
        next_read = start
        while True:
            while time.perf_counter() < next_read:
                pass
            read_start = time.perf_counter()
            now = screen.read()
            reads.append(time.perf_counter() - read_start)
            if now != before:
                times.append((time.perf_counter() - start) * 1000)
                break
            if read_start - start > 1.0:
                break  # counted as unanswered
            next_read = read_start + 0.0001
        time.sleep(0.08)  # a few steps of walking
        screen.key(key, False)
    return times


def measure(game, scale, presses, display, seed):
    work = tempfile.mkdtemp(prefix="dunspelt-input-latency-")
    env = dict(os.environ, DISPLAY=display, SDL_AUDIODRIVER="dummy", XDG_CONFIG_HOME=work)
    args = [game, "--warp", "1", "--settings", os.path.join(work, "settings.ini")]
    args += ["--fullscreen"] if scale == "full" else ["--scale", scale, "--windowed"]
    proc = subprocess.Popen(args, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    screen = Screen(display)
    try:
        window = find_window(env, "^DUNSPELT LEVEL 1", 15)
        width, height = window_size(env, window)
        time.sleep(1.5)  # the level's first moments
        screen.watch(window, 0, 0, width, height)
        # Where the picture answers a key: the band of rows that changes most when the player
        # walks, read whole and small enough to read quickly (a busy machine may still be
        # setting the level up: a few tries).
        band = min(height, 16)
        for _ in range(5):
            before = settle(screen)
            screen.key("Right", True)
            time.sleep(0.3)
            screen.key("Right", False)
            top = busiest_band(before, screen.read(), len(before) // height, band)
            if top is not None:
                break
        else:
            raise RuntimeError("walking changed nothing on screen")
        screen.watch(window, 0, top, width, band)
        reads = []
        times = press_times(screen, presses, random.Random(seed), reads)
        return times, statistics.median(reads) * 1000
    finally:
        screen.close()
        proc.terminate()
        try:
            proc.wait(5)
        except subprocess.TimeoutExpired:
            proc.kill()
        shutil.rmtree(work, ignore_errors=True)


def summary(times):
    ordered = sorted(times)
    p90 = ordered[min(len(ordered) - 1, int(0.9 * (len(ordered) - 1) + 0.5))]
    return statistics.median(ordered), p90, ordered[-1]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("game", nargs="?", default="build/app/dunspelt")
    parser.add_argument("--presses", type=int, default=30)
    parser.add_argument("--scales", default="1,2,3,full")
    options = parser.parse_args()
    games = [("game", options.game)]
    if os.environ.get("BASELINE"):
        games.append(("baseline", os.environ["BASELINE"]))
    print("load average at the start: %.2f %.2f %.2f" % os.getloadavg(), flush=True)
    server, display = start_xvfb()
    try:
        subprocess.run(["xdotool", "mousemove", "0", "0"], env=dict(os.environ, DISPLAY=display))
        for scale in options.scales.split(","):
            medians = {}
            for label, game in games:  # the same presses, one game after the other
                times, read = measure(os.path.abspath(game), scale, options.presses, display,
                                      seed=scale)
                if not times:
                    print(f"scale {scale:>4} {label:>8}: no press was answered", flush=True)
                    continue
                median, p90, worst = summary(times)
                medians[label] = median
                missed = options.presses - len(times)
                print(f"scale {scale:>4} {label:>8}: median {median:5.1f} ms, p90 {p90:5.1f} ms, "
                      f"worst {worst:5.1f} ms ({len(times)} presses"
                      + (f", {missed} unanswered within 1 s" if missed else "")
                      + f"; one read {read:.3f} ms)", flush=True)
            if "baseline" in medians:
                print(f"scale {scale:>4}    ratio: {medians['game'] / medians['baseline']:.2f} "
                      "of the baseline's median", flush=True)
    finally:
        server.terminate()
        server.wait()


if __name__ == "__main__":
    sys.exit(main())
