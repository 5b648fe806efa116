#!/usr/bin/env python3
"""The release zips: what each holds, the exe exactly as built, Windows line
ends in the texts, and notices naming the library versions this build used.

    test_package.py BUILD_DIR
"""
import glob
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import zipfile
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent.parent
BUILD = None
TEXTS = ("README-Windows.txt", "LICENSE", "THIRD-PARTY-NOTICES")


def built_versions():
    """libjpeg-turbo's from the unpacked source the build used, zlib's from
    the header the Windows builds compiled against."""
    sources = glob.glob(str(BUILD / "deps" / "src" / "libjpeg-turbo-*" / ""))
    jpeg = re.search(r"libjpeg-turbo-([0-9.]+)", sources[0]).group(1)
    header = Path("/usr/x86_64-w64-mingw32/include/zlib.h").read_text(encoding="latin-1")
    zlib = re.search(r'#define ZLIB_VERSION "([^"]+)"', header).group(1)
    return jpeg, zlib


class ReleaseZips(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.out = Path(tempfile.mkdtemp(prefix="plk-package-"))
        subprocess.run([sys.executable, str(ROOT / "scripts" / "package.py"), str(BUILD), str(cls.out)],
                       check=True)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.out, ignore_errors=True)

    def test_each_zip_holds_the_build_and_its_papers(self):
        jpeg, zlib = built_versions()
        for arch in ("x86", "x64"):
            with self.subTest(arch=arch), zipfile.ZipFile(self.out / ("plinkety-1.0-%s.zip" % arch)) as archive:
                self.assertIsNone(archive.testzip())
                self.assertEqual(sorted(archive.namelist()), sorted(("plinkety.exe",) + TEXTS))
                self.assertEqual(archive.read("plinkety.exe"),
                                 (BUILD / ("windows-" + arch) / "plinkety.exe").read_bytes())
                for name in TEXTS:
                    text = archive.read(name)
                    self.assertEqual(text.count(b"\n"), text.count(b"\r\n"), name + " has Windows line ends")
                notices = archive.read("THIRD-PARTY-NOTICES").decode("utf-8")
                self.assertIn("libjpeg-turbo " + jpeg, notices)
                self.assertIn("zlib " + zlib, notices)
                self.assertIn("This software is based in part on the work of the Independent JPEG Group.",
                              notices)
                self.assertIn("Copyright (c) 2026 The Plinkety developers", archive.read("LICENSE").decode())


if __name__ == "__main__":
    BUILD = Path(sys.argv.pop(1)).resolve()
    unittest.main(verbosity=2)
