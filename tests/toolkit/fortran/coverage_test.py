#!/usr/bin/env python3
"""Checks that the Fortran binding covers the public routines: every routine a public header
declares under its own (capitalised) name has an interface in the module tessaramond and an
entry point in toolkit/fortran, and every interface of the module has its entry point.
Lower-case names are C++ helpers and internal routines, not part of the Fortran interface.

usage: coverage_test.py SOURCE_DIR
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
sys.path.insert(0, str(ROOT / "tests/docs"))
from reference_test import declared_routines  # noqa: E402  the header scan of the reference

# An interface body of an external procedure: the name after SUBROUTINE or FUNCTION, unless the
# procedure is BIND(C) (the record accessors) or a module procedure after CONTAINS.
INTERFACE = re.compile(r"^\s*(?:[\w()]+\s+)?(?:subroutine|function)\s+(\w+)\s*\(([^)]*)\)(.*)$",
                       re.I | re.M)
# A definition of an entry point: an extern "C" function whose name ends in one underscore.
ENTRY = re.compile(r"^\s*(?:void|int)\s+([a-z0-9]+_)\(", re.M)
MACRO_ENTRY = re.compile(r"^TESS_FORTRAN_READ\(([a-z0-9]+_)\)", re.M)


def module_interfaces(module_text):
    interfaces_only = module_text.split("\ncontains\n")[0]
    return {m.group(1).lower() for m in INTERFACE.finditer(interfaces_only)
            if "bind(" not in m.group(3).lower()}


def entry_points(fortran_dir):
    names = set()
    for source in sorted(fortran_dir.glob("*.cpp")):
        text = source.read_text(encoding="utf-8")
        names.update(ENTRY.findall(text))
        names.update(MACRO_ENTRY.findall(text))
    return names


def main():
    fortran_dir = ROOT / "toolkit/fortran"
    public = sorted(name for name in declared_routines(ROOT / "toolkit/public")
                    if name[0].isupper())
    interfaces = module_interfaces((fortran_dir / "tessaramond.f90").read_text(encoding="utf-8"))
    entries = entry_points(fortran_dir)
    if len(public) < 60 or len(interfaces) < 60 or len(entries) < 60:
        print(f"scan broken: {len(public)} public routines, {len(interfaces)} interfaces, "
              f"{len(entries)} entry points")
        return 1
    faults = [f"{name}: no interface in tessaramond.f90" for name in public
              if name.lower() not in interfaces]
    faults += [f"{name}: no entry point {name.lower()}_ in toolkit/fortran" for name in public
               if name.lower() + "_" not in entries]
    faults += [f"interface {name} has no entry point {name}_" for name in sorted(interfaces)
               if name + "_" not in entries]
    if faults:
        print("\n".join(faults))
        return 1
    print(f"fortran binding: {len(public)} public routines, each with an interface and an entry")
    return 0


if __name__ == "__main__":
    sys.exit(main())
