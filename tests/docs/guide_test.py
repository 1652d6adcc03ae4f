#!/usr/bin/env python3
"""Checks that the guide quotes its program as it is: every code block of docs/guide.md appears
word for word in examples/guide/, and every picture it shows exists.

usage: guide_test.py SOURCE_DIR
"""
import pathlib
import re
import sys

BLOCK = re.compile(r"^```(cpp|rc)\n(.*?)^```$", re.M | re.S)
PICTURE = re.compile(r"!\[[^\]]*\]\(([^)]+)\)")
SOURCES = {"cpp": ("*.cpp", "*.h"), "rc": ("*.rc",)}


def main():
    root = pathlib.Path(sys.argv[1])
    guide = (root / "docs/guide.md").read_text(encoding="utf-8")
    program = root / "examples/guide"
    texts = {kind: "\n".join(p.read_text(encoding="utf-8") for pattern in patterns
                             for p in sorted(program.glob(pattern)))
             for kind, patterns in SOURCES.items()}
    faults = []
    blocks = BLOCK.findall(guide)
    if len(blocks) < 6:
        faults.append(f"only {len(blocks)} code blocks found in the guide")
    for kind, code in blocks:
        if code not in texts[kind]:
            faults.append(f"a {kind} block is not in examples/guide:\n{code}")
    for picture in PICTURE.findall(guide):
        if not (root / "docs" / picture).is_file():
            faults.append(f"missing picture docs/{picture}")
    if faults:
        print("\n".join(faults))
        return 1
    print(f"guide: {len(blocks)} code blocks as in the program, pictures present")
    return 0


if __name__ == "__main__":
    sys.exit(main())
