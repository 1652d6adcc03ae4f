#!/usr/bin/env python3
"""Builds the reference with Doxygen and checks it: no warning, and an entry for every routine
that a public header declares.

usage: reference_test.py DOXYGEN DOXYFILE OUTPUT_DIR PUBLIC_HEADER_DIR
"""
import pathlib
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

# A declaration at the start of a line: optional inline/template, a return type, the name and
# its opening parenthesis. The numbered file-reading entry points come from a macro.
DECLARATION = re.compile(
    r"^(?:inline\s+|template\s*<[^>]*>\s*)*(?:const\s+)?[\w:]+(?:<[^>]*>)?[&*]?\s+[&*]?(\w+)\(",
    re.M)
MACRO_ENTRY = re.compile(r"^TESS_FILE_READ_ENTRY\((\w+)\)", re.M)


def declared_routines(header_dir):
    names = {}
    for header in sorted(pathlib.Path(header_dir).glob("*.h")):
        text = header.read_text(encoding="utf-8")
        for pattern in (DECLARATION, MACRO_ENTRY):
            for match in pattern.finditer(text):
                names.setdefault(match.group(1), header.name)
    names.pop("static_assert", None)
    return names


def documented_routines(xml_dir):
    """Functions with a description in the generated reference."""
    found = set()
    for compound in pathlib.Path(xml_dir).glob("*.xml"):
        if compound.name in ("index.xml", "Doxyfile.xml"):
            continue
        root = ET.parse(compound).getroot()
        for member in root.iter("memberdef"):
            if member.get("kind") != "function":
                continue
            text = "".join(member.find("briefdescription").itertext()).strip()
            text += "".join(member.find("detaileddescription").itertext()).strip()
            if text:
                found.add(member.findtext("name"))
    return found


def main():
    doxygen, doxyfile, output, header_dir = sys.argv[1:5]
    out = pathlib.Path(output)
    out.mkdir(parents=True, exist_ok=True)
    run = subprocess.run([doxygen, doxyfile], capture_output=True, text=True)
    log = out / "warnings.log"
    warnings = log.read_text() if log.exists() else ""
    if run.returncode != 0 or warnings.strip() or run.stderr.strip():
        print(f"doxygen failed ({run.returncode}):\n{run.stderr}{warnings}")
        return 1

    declared = declared_routines(header_dir)
    if len(declared) < 40:
        print(f"only {len(declared)} routines found in {header_dir}: the header scan is broken")
        return 1
    documented = documented_routines(out / "xml")
    missing = sorted(f"{name} ({header})" for name, header in declared.items()
                     if name not in documented)
    if missing:
        print("routines without an entry in the reference:\n  " + "\n  ".join(missing))
        return 1
    print(f"reference: {len(declared)} routines, each with an entry")
    return 0


if __name__ == "__main__":
    sys.exit(main())
