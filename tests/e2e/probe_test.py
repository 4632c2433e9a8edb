"""Drives the probe window: its colours and title must be on screen, and a click on one half
must end it with that half's exit code."""

import argparse
import sys

from harness import Program, close_to, report, wait_until

LEFT_COLOUR, RIGHT_COLOUR = (200, 30, 30), (30, 160, 60)
EXIT_CODES = {"left": 11, "right": 22}


def check(exe, side):
    with Program(exe) as program:
        window = program.find_window("^Corvana probe$")
        if (window.width, window.height) != (400, 200):
            raise AssertionError(f"window is {window.width}x{window.height}, expected 400x200")

        def painted():
            shot = window.capture()
            return shot if (close_to(shot.pixel(100, 130), LEFT_COLOUR)
                            and close_to(shot.pixel(300, 130), RIGHT_COLOUR)) else None

        shot = wait_until(painted, timeout=10)
        if shot is None:
            last = window.capture()
            raise AssertionError(f"colours {last.pixel(100, 130)} / {last.pixel(300, 130)}, "
                                 f"expected {LEFT_COLOUR} / {RIGHT_COLOUR}")
        dark = lambda rgb: max(rgb) < 128
        latin, chinese = shot.count(0, 0, 100, 60, dark), shot.count(100, 0, 400, 60, dark)
        if latin < 50 or chinese < 150:
            raise AssertionError(f"title area looks blank: {latin} and {chinese} dark pixels")

        window.click(100 if side == "left" else 300, 130)
        code = program.wait_exit(timeout=15)
        if code != EXIT_CODES[side]:
            raise AssertionError(f"exit code {code}, expected {EXIT_CODES[side]}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--exe", required=True)
    parser.add_argument("--side", choices=EXIT_CODES, required=True)
    args = parser.parse_args()
    return report(check, args.exe, args.side)

if __name__ == "__main__":
    sys.exit(main())
