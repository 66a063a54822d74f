#!/usr/bin/env python3
"""Fails when a source file includes a folder above its own in the layer order, when a file
outside the composition root, the drivers, the test fixtures and the benchmarks includes
app/Program.h, or when a file below the drivers outside src/platform includes an operating
system header."""
import pathlib
import re
import sys

# Bottom to top; the two drivers share the top and never include each other. platform, the
# operating system's side of the core's ports, sits just below them: only they include it.
LAYERS = [["ui"], ["state"], ["orders"], ["map"], ["files"], ["desk", "turns"], ["forms"], ["app"],
          ["platform"], ["qt", "batch"]]
PROGRAM_USERS = ("src/app/", "src/qt/", "src/batch/", "tests/support/", "tests/qt/",
                 "tests/forms/frmWinQZTest.cpp", "bench/", "fuzz/batch_script.cpp")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/[^"]+"', re.M)
# POSIX and Linux headers: the standard library's own are named without ".h".
SYSTEM = re.compile(r'^\s*#\s*include\s+<((?:sys|linux|arpa|netinet)/[^>]+|(?:unistd|fcntl|'
                    r'signal|dirent|pthread|poll|termios|pwd|grp|dlfcn|spawn|syslog)\.h)>', re.M)


def level(folder):
    for i, layer in enumerate(LAYERS):
        if folder in layer:
            return i
    return None


def problems(root):
    for path in sorted((root / "src").rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        own = path.relative_to(root / "src").parts[0]
        text = path.read_text()
        if own not in ("platform", "qt", "batch"):
            for header in SYSTEM.findall(text):
                yield f"{path.relative_to(root)}: includes <{header}>, which only platform/ may"
        for used in INCLUDE.findall(text):
            if used == own or level(used) is None:
                continue
            if level(used) >= level(own):
                yield f"{path.relative_to(root)}: includes {used}/, which is not below {own}/"
    for folder in ("src", "tests", "bench", "tools", "fuzz"):
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            rel = path.relative_to(root).as_posix()
            if '"app/Program.h"' in path.read_text() and not rel.startswith(PROGRAM_USERS):
                yield f"{rel}: includes app/Program.h outside the composition root and drivers"


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    found = list(problems(root))
    for line in found:
        print(line)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
