"""End-to-end harness: runs a Windows program under the test run's Wine and Xvfb, finds its
window, reads pixels from screenshots, clicks with xdotool and reads the exit code.

The environment (WINEPREFIX, DISPLAY, WINEDEBUG) comes from the test command."""

import re
import subprocess
import time

IMPORT = "/usr/bin/import"  # imagemagick's, by full path: other tools may shadow the name


class Image:
    """An RGB screenshot, parsed from binary PPM."""

    def __init__(self, ppm):
        match = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", ppm)
        if not match:
            raise ValueError("not a binary 8-bit PPM")
        self.width, self.height = int(match.group(1)), int(match.group(2))
        self.data = ppm[match.end():]

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])

    def count(self, left, top, right, bottom, predicate):
        return sum(1 for y in range(top, bottom) for x in range(left, right)
                   if predicate(self.pixel(x, y)))


def close_to(colour, expected, tolerance=24):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, expected))


class Window:
    def __init__(self, window_id, x, y, width, height):
        self.id, self.x, self.y, self.width, self.height = window_id, x, y, width, height

    def capture(self):
        """Screenshot of the window's area, in window coordinates via pixel(x, y)."""
        screen = Image(subprocess.run([IMPORT, "-window", "root", "-depth", "8", "ppm:-"], check=True,
                                      capture_output=True, timeout=30).stdout)
        return _Cropped(screen, self.x, self.y)

    def click(self, x, y, button=1):
        subprocess.run(["xdotool", "mousemove", "--sync", str(self.x + x), str(self.y + y),
                        "click", str(button)], check=True, timeout=10)


class _Cropped:
    def __init__(self, screen, dx, dy):
        self.screen, self.dx, self.dy = screen, dx, dy

    def pixel(self, x, y):
        return self.screen.pixel(self.dx + x, self.dy + y)

    def count(self, left, top, right, bottom, predicate):
        return self.screen.count(self.dx + left, self.dy + top, self.dx + right, self.dy + bottom,
                                 predicate)


def geometry(window_id):
    """The window's screen position and size: (x, y, width, height)."""
    shell = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window_id],
                           capture_output=True, text=True, check=True, timeout=10).stdout
    values = dict(line.split("=", 1) for line in shell.split())
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def report(check, *args):
    """Runs a check: prints PASS, or FAIL with its reason; returns the exit status."""
    try:
        check(*args)
    except AssertionError as failure:
        print(f"FAIL: {failure}")
        return 1
    print("PASS")
    return 0


def wait_until(probe, timeout, interval=0.2):
    """Calls probe until it returns something true; returns that, or None after timeout."""
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result or time.monotonic() >= deadline:
            return result or None
        time.sleep(interval)


class Program:
    """A Windows program under Wine; use it in a with-block so it never outlives the test."""

    def __init__(self, exe, *args, stdout=None):
        self.process = subprocess.Popen(["wine", exe, *args], stdin=subprocess.DEVNULL, stdout=stdout)

    def __enter__(self):
        return self

    def __exit__(self, *_):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=30)

    def find_window(self, title_pattern, timeout=20):
        def probe():
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title_pattern],
                                   capture_output=True, text=True, timeout=10)
            ids = found.stdout.split()
            return ids[0] if ids else None

        window_id = wait_until(probe, timeout)
        if window_id is None:
            raise AssertionError(f"no visible window matching {title_pattern!r} within {timeout} s")
        return Window(window_id, *geometry(window_id))

    def wait_exit(self, timeout=20):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the program did not exit within {timeout} s") from None
