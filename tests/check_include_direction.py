"""Checks that includes point downward: app/ -> ui/ -> support/, net/. Only the paint manager and
the control base may call each other, and they do so from sources, never from ui/core headers.

Usage: check_include_direction.py REPO_ROOT. Prints every offending line; exits 1 if any."""

import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')

# (folder whose files are checked, which files, forbidden include prefixes, why)
RULES = [
    ("support", "*", ("ui/", "app/"), "the support library sits below the engine and the app"),
    ("net", "*", ("ui/", "app/"), "the HTTP client sits below the engine and the app"),
    ("ui/core", "*.h", ("ui/controls/",), "core headers must not depend on controls"),
    ("ui", "*", ("app/",), "the engine must not depend on the app"),
]


def offences(root):
    for folder, pattern, forbidden, why in RULES:
        for path in sorted((root / folder).rglob(pattern)):
            if path.suffix not in (".h", ".cpp") or not path.is_file():
                continue
            for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
                match = INCLUDE.match(line)
                if match and match.group(1).startswith(forbidden):
                    yield f"{path.relative_to(root)}:{number}: includes {match.group(1)} ({why})"


def main():
    found = list(offences(pathlib.Path(sys.argv[1])))
    for offence in found:
        print(offence)
    print(f"{len(found)} forbidden include(s)")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
