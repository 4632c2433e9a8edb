"""Drives the skinned window of the window base: its skin on screen, a drag by the caption, the
close button's exit code; and the skin-load failure box with exit code 1."""

import argparse
import subprocess
import sys

from harness import Program, close_to, geometry, report, wait_until

CAPTION, CLOSE, BODY = (0x20, 0x30, 0x40), (0xC8, 0x20, 0x20), (30, 170, 60)


def check_window(exe):
    with Program(exe, stdout=subprocess.PIPE) as program:
        window = program.find_window("^Corvana skin window$")
        if (window.width, window.height) != (320, 200):
            raise AssertionError(f"window is {window.width}x{window.height}, expected 320x200")
        expected = {(100, 20): CAPTION, (300, 20): CLOSE, (160, 120): BODY}

        def painted():
            shot = window.capture()
            return all(close_to(shot.pixel(x, y), colour) for (x, y), colour in expected.items())

        if not wait_until(painted, timeout=10):
            shot = window.capture()
            found = {point: shot.pixel(*point) for point in expected}
            raise AssertionError(f"skin colours {found}, expected {expected}")

        def position():
            return geometry(window.id)[:2]

        start = position()
        subprocess.run(["xdotool", "mousemove", "--sync", str(window.x + 100), str(window.y + 20),
                        "mousedown", "1", "mousemove_relative", "--sync", "30", "20",
                        "mousemove_relative", "--sync", "30", "20", "mouseup", "1"], check=True, timeout=10)
        moved = wait_until(lambda: position() != start and position(), timeout=5)
        if moved is None or (moved[0] - start[0], moved[1] - start[1]) != (60, 40):
            raise AssertionError(f"the caption drag moved the window from {start} to {moved}, expected +60,+40")
        window.x, window.y = moved

        window.click(300, 20)
        code = program.wait_exit(timeout=15)
        if code != 41:
            raise AssertionError(f"exit code {code}, expected 41 (closed by closebtn)")
        print(program.process.stdout.read().decode().strip())


def check_failure(exe):
    with Program(exe, "missing.xml") as program:
        box = program.find_window("^Tovik$")
        # The box's OK button sits in the middle of its bottom row.
        box.click(box.width // 2, box.height - 24)
        code = program.wait_exit(timeout=15)
        if code != 1:
            raise AssertionError(f"exit code {code} after the skin-load failure box, expected 1")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--exe", required=True)
    parser.add_argument("--case", choices=("window", "failure"), required=True)
    args = parser.parse_args()
    return report(check_window if args.case == "window" else check_failure, args.exe)

if __name__ == "__main__":
    sys.exit(main())
