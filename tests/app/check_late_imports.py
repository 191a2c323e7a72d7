#!/usr/bin/env python3
"""check_late_imports.py PROGRAM DLL...

Reads a Windows program file and checks the system DLLs it loads on first call: each named DLL has
a delay-import descriptor and no ordinary import (the program does not load it at its start), and
every slot of its address table, before anything has run, holds the address of code in the image
(the thunk that loads the DLL on the first call). A slot that holds 0 or points outside the code
jumps to nowhere on the first call of a command. Runs without Windows or Wine, so a machine that
cannot run the program still checks it.

The GNU linker fills no delay-import data directory, so the descriptors are found by their shape:
attributes 1 (addresses are RVAs), a name that is a DLL's file name, and table RVAs inside the image.
"""
import re
import struct
import sys

DLL_NAME = re.compile(rb"^[A-Za-z0-9_.\-]+\.dll$", re.IGNORECASE)
EXECUTABLE = 0x20000000 | 0x00000020  # IMAGE_SCN_MEM_EXECUTE, IMAGE_SCN_CNT_CODE


class Image:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("not a Windows program (no MZ header)")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE image")
        sections, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
        optional = pe + 24
        magic = struct.unpack_from("<H", data, optional)[0]
        if magic == 0x10B:
            self.pointer = 4
            self.base = struct.unpack_from("<I", data, optional + 28)[0]
            directories = optional + 96
        elif magic == 0x20B:
            self.pointer = 8
            self.base = struct.unpack_from("<Q", data, optional + 24)[0]
            directories = optional + 112
        else:
            raise ValueError(f"unknown optional header magic {magic:#x}")
        self.import_rva, self.import_size = struct.unpack_from("<II", data, directories + 8)
        self.sections = []
        table = optional + optional_size
        for i in range(sections):
            name, vsize, rva, raw_size, raw = struct.unpack_from("<8sIIII", data, table + 40 * i)
            flags = struct.unpack_from("<I", data, table + 40 * i + 36)[0]
            self.sections.append((name.rstrip(b"\0").decode(), rva, max(vsize, raw_size), raw, raw_size, flags))

    def offset(self, rva):
        for _, start, size, raw, raw_size, _ in self.sections:
            if start <= rva < start + size and rva - start < raw_size:
                return raw + rva - start
        return None

    def inside(self, rva):
        return any(start <= rva < start + size for _, start, size, _, _, _ in self.sections)

    def executable(self, rva):
        return any(start <= rva < start + size and flags & EXECUTABLE
                   for _, start, size, _, _, flags in self.sections)

    def text(self, rva, limit=256):
        at = self.offset(rva)
        if at is None:
            return None
        end = self.data.find(b"\0", at, at + limit)
        return self.data[at:end] if end >= 0 else None

    def word(self, rva):
        at = self.offset(rva)
        if at is None:
            return None
        return struct.unpack_from("<I" if self.pointer == 4 else "<Q", self.data, at)[0]

    def ordinary_imports(self):
        names = set()
        at = self.offset(self.import_rva) if self.import_rva else None
        while at is not None:
            lookup, _, _, name, first = struct.unpack_from("<IIIII", self.data, at)
            if not (lookup or name or first):
                break
            text = self.text(name)
            if text:
                names.add(text.decode("ascii", "replace").lower())
            at += 20
        return names

    def delay_descriptors(self):
        found = {}
        for _, start, _, raw, raw_size, _ in self.sections:
            for at in range(raw, raw + raw_size - 31, 4):
                fields = struct.unpack_from("<8I", self.data, at)
                attributes, name, module, iat, names, bound, unload, stamp = fields
                if attributes != 1 or bound or unload or stamp:
                    continue
                if not all(self.inside(rva) for rva in (name, module, iat, names)):
                    continue
                text = self.text(name)
                if text and DLL_NAME.match(text):
                    found[at] = (text.decode("ascii").lower(), iat, names)
        return list(found.values())

    def entry_name(self, entry):
        if entry >> (8 * self.pointer - 1):
            return f"#{entry & 0xFFFF}"
        text = self.text(entry + 2)
        return text.decode("ascii", "replace") if text else f"(name at {entry:#x})"


def check(path, late):
    with open(path, "rb") as f:
        image = Image(f.read())
    faults = []
    ordinary = image.ordinary_imports()
    descriptors = {}
    for dll, iat, names in image.delay_descriptors():
        descriptors.setdefault(dll, []).append((iat, names))
    for dll in late:
        if dll in ordinary:
            faults.append(f"{dll} is imported at the start, not on first call")
        if dll not in descriptors:
            faults.append(f"{dll} has no delay-import descriptor")
            continue
        slots, faults_before = 0, len(faults)
        for iat, names in descriptors[dll]:
            for index in range(100000):
                entry = image.word(names + index * image.pointer)
                if not entry:
                    break
                slot = image.word(iat + index * image.pointer)
                slots += 1
                target = slot - image.base if slot else None
                if target is None or not image.executable(target):
                    faults.append(f"{dll}!{image.entry_name(entry)}: its slot holds {slot or 0:#x}, "
                                  "not the address of the code that loads the DLL")
        if slots == 0:
            faults.append(f"{dll}: its delay-import descriptor names no entry point")
        elif len(faults) == faults_before:
            print(f"{path}: {dll}: {slots} entry points, loaded on first call")
    return faults


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    path, late = sys.argv[1], [name.lower() + ("" if name.lower().endswith(".dll") else ".dll")
                               for name in sys.argv[2:]]
    faults = check(path, late)
    for fault in faults:
        print(f"{path}: {fault}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
