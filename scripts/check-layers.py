#!/usr/bin/env python3
"""Fails when a source file includes a folder above its own in the layer order, or when a file
outside the composition root, the drivers, the test fixtures and the benchmarks includes
app/Program.h."""
import pathlib
import re
import sys

# Bottom to top; the two drivers share the top and never include each other.
LAYERS = [["ui"], ["state"], ["orders"], ["map"], ["files"], ["desk", "turns"], ["forms"], ["app"],
          ["qt", "batch"]]
PROGRAM_USERS = ("src/app/", "src/qt/", "src/batch/", "tests/support/", "tests/qt/",
                 "tests/forms/frmWinQZTest.cpp", "bench/", "fuzz/batch_script.cpp")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/[^"]+"', re.M)


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
        for used in INCLUDE.findall(path.read_text()):
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
