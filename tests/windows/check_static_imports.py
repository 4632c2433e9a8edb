"""Every Windows program we build must run from its own file: it may import system DLLs only, never
a toolchain or third-party DLL (zlib1.dll, libgcc_s_*.dll, libstdc++-6.dll, libwinpthread-1.dll,
libcurl*.dll), which a user's machine does not have.

  check_static_imports.py OBJDUMP PROGRAM..."""

import re
import subprocess
import sys

FOREIGN = re.compile(r"^(zlib1|libgcc_s_.*|libstdc\+\+.*|libwinpthread.*|libcurl.*|libz.*)\.dll$", re.I)


def main(objdump, programs):
    failures = []
    for program in programs:
        dump = subprocess.run([objdump, "-p", program], capture_output=True, text=True, check=True).stdout
        names = re.findall(r"DLL Name: (\S+)", dump)
        failures += [f"{program} imports {name}" for name in names if FOREIGN.match(name)]
    for failure in failures:
        print(failure)
    print(f"{len(programs)} programs checked, {len(failures)} foreign imports")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2:]))
