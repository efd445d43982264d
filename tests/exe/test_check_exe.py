#!/usr/bin/env python3
"""The exe check finds each fault in a copy of the built exe changed to have just that fault."""
import os
import struct
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_exe  # noqa: E402

EXE, HEADER, ARCH = sys.argv[1:4]


def read_exe():
    with open(EXE, "rb") as exe:
        return bytearray(exe.read())


def replace_once(data, old, new):
    at = bytes(data).find(old)
    assert at >= 0 and len(old) == len(new), old
    data[at:at + len(old)] = new
    return data


class ExeCheckTest(unittest.TestCase):
    def setUp(self):
        self.data = read_exe()
        self.image = check_exe.PeImage(bytes(self.data))
        self.version = check_exe.version_of_header(HEADER)
        self.pe = struct.unpack_from("<I", self.data, 0x3C)[0]

    def problems(self, data=None, version=None):
        return check_exe.problems_of(bytes(self.data if data is None else data), ARCH,
                                     version or self.version)

    def assertOneProblem(self, problems, words):
        self.assertEqual(len(problems), 1, problems)
        self.assertIn(words, problems[0])

    def test_built_exe_passes(self):
        self.assertEqual(self.problems(), [])
        dlls = [dll.lower() for dll in self.image.imported_dlls()]
        self.assertIn("kernel32.dll", dlls)
        # The dialogs' DLL is loaded by name at its first call: the name is in the image, but not
        # among the start-up imports.
        self.assertNotIn("comctl32.dll", [dll.lower() for dll in self.image.startup_dlls()])
        self.assertIn(b"comctl32.dll", bytes(self.data))

    def test_each_header_fault_is_named(self):
        cases = [
            (self.pe + 4, "<H", 0x1C0, "machine is 0x1c0"),
            (self.pe + 24 + 68, "<H", 3, "subsystem 3"),
        ]
        for offset, layout, value, words in cases:
            with self.subTest(words):
                data = bytearray(self.data)
                struct.pack_into(layout, data, offset, value)
                self.assertOneProblem(self.problems(data), words)
        data = bytearray(self.data)
        data[0:2] = b"ZM"
        self.assertOneProblem(self.problems(data), "no MZ header")

    def test_import_from_a_dll_that_is_not_everywhere(self):
        # The name of the first import descriptor becomes a runtime DLL's name of equal length.
        descriptor = self.image.offset(self.image.directory(check_exe.DIR_IMPORT)[0])
        at = self.image.offset(struct.unpack_from("<I", self.data, descriptor + 12)[0])
        length = self.data.index(b"\0", at) - at
        fake = ("libgcc" + "_" * length)[:length - 4] + ".dll"
        data = bytearray(self.data)
        data[at:at + length] = fake.encode()
        self.assertOneProblem(self.problems(data), "imports from " + fake)

    def test_dialog_dll_loaded_at_start_up(self):
        # A start-up import whose name is as long as "comctl32.dll" becomes that DLL.
        for dll in self.image.startup_dlls():
            if len(dll) == len("comctl32.dll"):
                break
        else:
            self.skipTest("no start-up import of that length")
        data = replace_once(bytearray(self.data), dll.encode() + b"\0", b"comctl32.dll\0")
        self.assertOneProblem(self.problems(data), "loads comctl32.dll at start-up")

    def test_version_other_than_the_header(self):
        other = self.version[:3] + (self.version[3] + 1,)
        self.assertOneProblem(self.problems(version=other), "but res/version.h says")

    def test_manifest_faults(self):
        manifest = self.image.resources(check_exe.RT_MANIFEST)[0]
        self.assertEqual(check_exe.manifest_problems(manifest), [])
        cases = [
            (b"<dpiAware", b"<dpiAwarX", "no well-formed XML"),
            (b">true</dpiAware>", b">TRUX</dpiAware>", "not declare the program DPI-aware"),
            (b'processorArchitecture="*" publicKeyToken', b'processorArchitecture="x" publicKeyToken',
             'processorArchitecture="*"'),
        ]
        for old, new, words in cases:
            with self.subTest(words):
                data = replace_once(bytearray(self.data), old, new)
                self.assertOneProblem(self.problems(data), words)
        data = bytearray(self.data)
        # The manifest's type in the resource root: 24 made 23 hides it.
        root = self.image.offset(self.image.directory(check_exe.DIR_RESOURCE)[0])
        named, numbered = struct.unpack_from("<HH", data, root + 12)
        for i in range(named + numbered):
            if struct.unpack_from("<I", data, root + 16 + 8 * i)[0] == check_exe.RT_MANIFEST:
                struct.pack_into("<I", data, root + 16 + 8 * i, 23)
        self.assertOneProblem(self.problems(data), "no manifest resource")

    def test_debug_sections_and_symbols(self):
        table = self.pe + 24 + struct.unpack_from("<H", self.data, self.pe + 20)[0]
        data = bytearray(self.data)
        data[table:table + 8] = b".debug_x"
        self.assertOneProblem(self.problems(data), "debug section .debug_x")
        # One symbol before the string table, which keeps the long section names readable.
        data = bytearray(self.data)
        pointer = self.image.symbol_table or len(data)
        struct.pack_into("<II", data, self.pe + 12, pointer - 18, 1)
        self.assertOneProblem(self.problems(data), "COFF symbol table of 1 symbols")

    def test_command_line_reports_and_fails(self):
        with tempfile.TemporaryDirectory() as folder:
            broken = os.path.join(folder, "Zielmark.exe")
            with open(broken, "wb") as exe:
                exe.write(self.data[:0x30])
            self.assertEqual(check_exe.main([broken, HEADER, "--arch", ARCH]), 1)
        self.assertEqual(check_exe.main([EXE, HEADER, "--arch", ARCH]), 0)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[4:])
