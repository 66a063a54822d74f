#!/usr/bin/env python3
"""Fails when the README's table of batch words and the driver's own table (as --help prints it)
do not name the same words with the same arguments."""
import re
import subprocess
import sys


def readme_words(path):
    text = open(path, encoding="utf-8").read()
    section = text.split("## The batch driver", 1)[1].split("\n## ", 1)[0]
    table = section.split("| command | what it does |", 1)[1].split("\n\n", 1)[0]
    words = []
    for row in table.strip().splitlines()[1:]:
        cell = re.match(r"\| `(.+?)` \|", row.replace("\\|", "\x00"))
        if not cell or "`" in cell.group(1):
            sys.exit(f"README row names not exactly one word: {row}")
        words.append(cell.group(1).replace("\x00", "|"))
    return words


def driver_words(batch):
    help_text = subprocess.run([batch, "--help"], capture_output=True, text=True, check=True).stdout
    # A word's line is indented two spaces; a help text moved to the next line, more.
    return [re.split(r" {2,}", line.strip())[0] for line in help_text.splitlines()
            if re.match(r"  \S", line)]


readme, driver = readme_words(sys.argv[1]), driver_words(sys.argv[2])
only_readme = [w for w in readme if w not in driver]
only_driver = [w for w in driver if w not in readme]
for word in only_readme:
    print(f"in the README, not in the driver: {word}")
for word in only_driver:
    print(f"in the driver, not in the README: {word}")
if len(set(readme)) != len(readme):
    print("the README names a word twice")
sys.exit(1 if only_readme or only_driver or len(set(readme)) != len(readme) else 0)
