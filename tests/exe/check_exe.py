#!/usr/bin/env python3
"""Checks a built Zielmark.exe as it ships: format, subsystem, imports, resources, stripping."""
import argparse
import re
import struct
import sys
import xml.etree.ElementTree as ET

# DLLs present on every Windows from 7 on; anything else would have to ship beside the exe.
SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "shell32.dll", "comctl32.dll",
    "comdlg32.dll", "version.dll", "oleaut32.dll", "ole32.dll", "msvcrt.dll", "shlwapi.dll",
    "uxtheme.dll", "winmm.dll", "imm32.dll", "ws2_32.dll", "rpcrt4.dll", "ntdll.dll",
}
# DLLs only dialogs, the tray icon, help, the About box or a locale date text need: loaded at
# their first call, so the idle timer window does not carry them.
LATE_DLLS = {"comctl32.dll", "comdlg32.dll", "shell32.dll", "version.dll", "oleaut32.dll"}
MACHINES = {"i386": (0x14C, 0x10B, "PE32"), "amd64": (0x8664, 0x20B, "PE32+")}
SUBSYSTEM_GUI = 2
RT_VERSION, RT_MANIFEST = 16, 24
DIR_IMPORT, DIR_RESOURCE, DIR_DELAY_IMPORT = 1, 2, 13
ASM_V1 = "{urn:schemas-microsoft-com:asm.v1}"
WINDOWS_SETTINGS_2005 = "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}"


class BadImage(Exception):
    pass


class PeImage:
    """The parts of a PE file the checks need; raises BadImage when it is no PE file."""

    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise BadImage("no MZ header: not a Windows executable")
        pe = self.u32(0x3C)
        if data[pe:pe + 4] != b"PE\0\0":
            raise BadImage("no PE signature")
        (self.machine, sections, _, self.symbol_table, self.symbol_count, optional_size,
         _) = struct.unpack_from("<HHIIIHH", data, pe + 4)
        optional = pe + 24
        self.magic = self.u16(optional)
        self.subsystem = self.u16(optional + 68)
        directories = optional + (96 if self.magic == 0x10B else 112)
        count = self.u32(directories - 4)
        self.directories = [struct.unpack_from("<II", data, directories + 8 * i) for i in range(count)]
        self.sections = []
        table = optional + optional_size
        for i in range(sections):
            name, vsize, rva, raw_size, raw = struct.unpack_from("<8sIIII", data, table + 40 * i)
            self.sections.append((self.section_name(name.rstrip(b"\0").decode("latin-1")),
                                  rva, max(vsize, raw_size), raw))

    def u16(self, offset):
        return struct.unpack_from("<H", self.data, offset)[0]

    def u32(self, offset):
        if offset + 4 > len(self.data):
            raise BadImage("truncated at offset %d" % offset)
        return struct.unpack_from("<I", self.data, offset)[0]

    def section_name(self, name):
        # Long names ("/123") point into the COFF string table behind the symbols.
        if not name.startswith("/") or not self.symbol_table or not name[1:].isdigit():
            return name
        start = self.symbol_table + 18 * self.symbol_count + int(name[1:])
        end = self.data.find(b"\0", start)
        return self.data[start:end].decode("latin-1") if end > start else name

    def offset(self, rva):
        for _, start, size, raw in self.sections:
            if start <= rva < start + size:
                return raw + rva - start
        raise BadImage("address 0x%x lies in no section" % rva)

    def text_at(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("latin-1")

    def directory(self, index):
        return self.directories[index] if index < len(self.directories) else (0, 0)

    def imported_dlls(self):
        return self.startup_dlls() + self.delayed_dlls()

    def startup_dlls(self):
        names = []
        rva, _ = self.directory(DIR_IMPORT)
        while rva:
            entry = self.offset(rva)
            name = self.u32(entry + 12)
            if not name and not self.u32(entry + 16):
                break
            names.append(self.text_at(name))
            rva += 20
        return names

    def delayed_dlls(self):
        names = []
        rva, _ = self.directory(DIR_DELAY_IMPORT)
        while rva:
            name = self.u32(self.offset(rva) + 4)
            if not name:
                break
            names.append(self.text_at(name))
            rva += 32
        return names

    def resources(self, type_id):
        """The data of every resource of a numeric type, all names and languages."""
        root, _ = self.directory(DIR_RESOURCE)
        if not root:
            return []
        base = self.offset(root)

        def entries(directory):
            named, numbered = struct.unpack_from("<HH", self.data, base + directory + 12)
            for i in range(named + numbered):
                yield struct.unpack_from("<II", self.data, base + directory + 16 + 8 * i)

        def leaves(target):
            if target & 0x80000000:
                for _, child in entries(target & 0x7FFFFFFF):
                    yield from leaves(child)
            else:
                rva, size = struct.unpack_from("<II", self.data, base + target)
                yield self.data[self.offset(rva):self.offset(rva) + size]

        found = []
        for ident, target in entries(0):
            if ident == type_id:
                found.extend(leaves(target))
        return found


def version_of_header(path):
    with open(path, encoding="utf-8") as header:
        text = header.read()
    parts = []
    for part in ("MAJOR", "MINOR", "REVISION", "BUILD"):
        match = re.search(r"#define\s+ZM_VERSION_%s\s+(\d+)" % part, text)
        if not match:
            raise BadImage("%s defines no ZM_VERSION_%s" % (path, part))
        parts.append(int(match.group(1)))
    return tuple(parts)


def file_version(block):
    at = block.find(struct.pack("<I", 0xFEEF04BD))
    if at < 0:
        return None
    high, low = struct.unpack_from("<II", block, at + 8)
    return (high >> 16, high & 0xFFFF, low >> 16, low & 0xFFFF)


def manifest_problems(text):
    try:
        root = ET.fromstring(text)
    except ET.ParseError as error:
        return ["the manifest is no well-formed XML (%s): Windows would refuse to start the program" % error]
    problems = []
    controls = [identity for identity in root.iter(ASM_V1 + "assemblyIdentity")
                if identity.get("name") == "Microsoft.Windows.Common-Controls"]
    if not controls:
        problems.append("the manifest names no Common-Controls dependency (no visual styles)")
    elif any(identity.get("processorArchitecture") != "*" for identity in controls):
        problems.append('the Common-Controls dependency must say processorArchitecture="*"')
    aware = [element.text for element in root.iter(WINDOWS_SETTINGS_2005 + "dpiAware")]
    if not aware or aware[0].strip().lower() != "true":
        problems.append("the manifest does not declare the program DPI-aware")
    return problems


def problems_of(data, arch, version):
    """Every way the exe differs from what ships; empty when it is as it should be."""
    try:
        image = PeImage(data)
        machine, magic, kind = MACHINES[arch]
        problems = []
        if image.machine != machine:
            problems.append("machine is 0x%x, not %s (0x%x)" % (image.machine, arch, machine))
        if image.magic != magic:
            problems.append("optional header magic 0x%x: not %s" % (image.magic, kind))
        if image.subsystem != SUBSYSTEM_GUI:
            problems.append("subsystem %d, not the Windows GUI (2)" % image.subsystem)
        for dll in image.imported_dlls():
            if dll.lower() not in SYSTEM_DLLS:
                problems.append("imports from %s, which is no system DLL every Windows has" % dll)
        for dll in image.startup_dlls():
            if dll.lower() in LATE_DLLS:
                problems.append("loads %s at start-up, though only its dialogs need it" % dll)
        manifests = image.resources(RT_MANIFEST)
        if not manifests:
            problems.append("no manifest resource")
        for manifest in manifests:
            problems.extend(manifest_problems(manifest))
        versions = [file_version(block) for block in image.resources(RT_VERSION)]
        if not versions:
            problems.append("no version resource")
        for found in versions:
            if found != version:
                problems.append("file version %s, but res/version.h says %s" % (
                    ".".join(map(str, found)) if found else "missing",
                    ".".join(map(str, version))))
        for name, *_ in image.sections:
            if name.startswith(".debug") or name.startswith(".zdebug"):
                problems.append("debug section %s: the exe is not stripped" % name)
            elif name.startswith("/"):
                problems.append("section %s: its long name is missing from the string table" % name)
        # A string table without symbols only holds the long section names.
        if image.symbol_count:
            problems.append("a COFF symbol table of %d symbols: the exe is not stripped" % image.symbol_count)
        return problems
    except (BadImage, struct.error, ValueError, IndexError) as error:
        return ["unreadable as a PE file: %s" % error]


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("exe")
    parser.add_argument("version_header", help="res/version.h")
    parser.add_argument("--arch", choices=sorted(MACHINES), default="i386")
    args = parser.parse_args(argv)
    try:
        with open(args.exe, "rb") as exe:
            data = exe.read()
        problems = problems_of(data, args.arch, version_of_header(args.version_header))
    except (OSError, BadImage) as error:
        problems = [str(error)]
    for problem in problems:
        print("exe check: %s: %s" % (args.exe, problem))
    if problems:
        print("exe check: FAILED (%d problems)" % len(problems))
        return 1
    print("exe check: %s is a stripped %s GUI program for %s importing only system DLLs, with "
          "its manifest and version %s" % (args.exe, MACHINES[args.arch][2], args.arch,
                                            ".".join(map(str, version_of_header(args.version_header)))))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
