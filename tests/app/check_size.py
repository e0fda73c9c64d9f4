#!/usr/bin/env python3
"""Fails when the executable outgrows its size budget, or when it has lost
the address-space randomisation and no-execute data that keep it safe (the
relocations they need are the first thing a size hunt would cut).

usage: check_size.py PROGRAM.exe BUDGET_BYTES
"""
import os
import struct
import sys

import pe_resources as pe

IMAGE_FILE_RELOCS_STRIPPED = 0x0001
DYNAMIC_BASE, NX_COMPAT, HIGH_ENTROPY_VA = 0x0040, 0x0100, 0x0020
BASE_RELOCATION_DIRECTORY = 5


def dll_characteristics(image):
    pe_offset = struct.unpack_from("<I", image.data, 0x3C)[0]
    return struct.unpack_from("<H", image.data, pe_offset + 24 + 70)[0]


def main():
    path, budget = sys.argv[1], int(sys.argv[2])
    image = pe.PeImage(path)
    size = os.path.getsize(path)
    print(f"{path}: {size} bytes, budget {budget}")
    for name, _, _, _, raw_size in image.sections:
        print(f"  {name:8} {raw_size:7}")
    failures = []
    if size > budget:
        failures.append(f"{size - budget} bytes over the budget")
    flags = dll_characteristics(image)
    wanted = DYNAMIC_BASE | NX_COMPAT | (HIGH_ENTROPY_VA if image.is64 else 0)
    if flags & wanted != wanted:
        failures.append(f"DllCharacteristics {flags:#06x} lacks {wanted & ~flags:#06x}")
    relocations = image.directories[BASE_RELOCATION_DIRECTORY]
    if image.characteristics & IMAGE_FILE_RELOCS_STRIPPED or relocations[1] == 0:
        failures.append("no base relocations: the image could not be moved")
    for failure in failures:
        print(f"FAIL: {failure}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
