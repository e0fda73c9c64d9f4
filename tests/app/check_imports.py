#!/usr/bin/env python3
"""Fails unless the executable imports only DLLs that every Windows system
has: the program must be one file that needs nothing installed.

usage: check_imports.py PROGRAM.exe
"""
import re
import sys

import pe_resources as pe

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "shell32.dll",
               "advapi32.dll", "msvcrt.dll"}
# The universal C run-time's API sets, part of the system since Windows 10.
CRT_API_SET = re.compile(r"api-ms-win-crt-[a-z0-9-]+-l1-1-0\.dll")


def main():
    image = pe.PeImage(sys.argv[1])
    dlls = image.imported_dlls()
    foreign = [d for d in dlls if d.lower() not in SYSTEM_DLLS and not CRT_API_SET.fullmatch(d.lower())]
    print(f"{sys.argv[1]}: imports {', '.join(dlls)}")
    if image.subsystem != 2:
        print(f"FAIL: subsystem {image.subsystem}, expected 2 (Windows GUI)")
        return 1
    if not dlls or "kernel32.dll" not in {d.lower() for d in dlls}:
        print("FAIL: the import table could not be read")
        return 1
    if foreign:
        print(f"FAIL: not part of Windows: {', '.join(foreign)}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
