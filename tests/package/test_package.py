#!/usr/bin/env python3
"""The release zips: what each holds, the exe exactly as built, Windows line
ends in the texts, and notices naming the library versions this build used.
The package managers' manifests beside them: valid by the managers' own
schemas (../shared/schemas, skipped when absent), naming each zip by its real
SHA-256 and only files that are in it, and following the release settings.

    test_package.py BUILD_DIR
"""
import glob
import hashlib
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import zipfile
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent.parent
SCHEMAS = ROOT.parent / "shared" / "schemas"
BUILD = None
TEXTS = ("README-Windows.txt", "LICENSE", "THIRD-PARTY-NOTICES")
ARCHS = {"x86": ("32bit", "x86"), "x64": ("64bit", "x64")}  # zip: (Scoop, winget)


def package(build, out):
    subprocess.run([sys.executable, str(ROOT / "scripts" / "package.py"), str(build), str(out)], check=True)


def zip_path(out, arch, version="1.0"):
    return out / ("plinkety-%s-%s.zip" % (version, arch))


def sha256(path):
    return hashlib.sha256(path.read_bytes()).hexdigest()


def load_winget(out):
    """{ManifestType: manifest} of the winget manifests in OUT/winget."""
    import yaml  # Debian's python3-yaml, as setup.sh installs it
    manifests = [yaml.safe_load(path.read_text(encoding="utf-8")) for path in (out / "winget").glob("*.yaml")]
    return {manifest["ManifestType"]: manifest for manifest in manifests}


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
        package(BUILD, cls.out)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.out, ignore_errors=True)

    def test_each_zip_holds_the_build_and_its_papers(self):
        jpeg, zlib = built_versions()
        for arch in ("x86", "x64"):
            with self.subTest(arch=arch), zipfile.ZipFile(zip_path(self.out, arch)) as archive:
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


    def test_manifests_validate_against_the_managers_schemas(self):
        if not SCHEMAS.is_dir():
            self.skipTest("no schemas at %s" % SCHEMAS)
        import jsonschema  # Debian's python3-jsonschema
        manifests = {"scoop-manifest.schema.json": json.loads((self.out / "plinkety.json").read_text())}
        for kind, manifest in load_winget(self.out).items():
            manifests["winget-manifest.%s.1.10.0.json" % kind] = manifest
        self.assertEqual(len(manifests), 4, "Scoop's and winget's version, installer and defaultLocale")
        for schema_name, manifest in manifests.items():
            with self.subTest(schema=schema_name):
                schema = json.loads((SCHEMAS / schema_name).read_text())
                validator = jsonschema.validators.validator_for(schema)
                validator(schema, format_checker=jsonschema.FormatChecker()).validate(manifest)

    def test_manifests_name_each_zip_by_its_real_hash_and_its_own_files(self):
        scoop = json.loads((self.out / "plinkety.json").read_text())
        installer = load_winget(self.out)["installer"]
        winget = {entry["Architecture"]: entry for entry in installer["Installers"]}
        self.assertEqual(sorted(winget), sorted(name for _, name in ARCHS.values()))
        named_files = [shortcut[0] for shortcut in scoop["shortcuts"]]
        named_files += [nested["RelativeFilePath"] for nested in installer["NestedInstallerFiles"]]
        for arch, (scoop_arch, winget_arch) in ARCHS.items():
            with self.subTest(arch=arch), zipfile.ZipFile(zip_path(self.out, arch)) as archive:
                path = zip_path(self.out, arch)
                scoop_entry = scoop["architecture"][scoop_arch]
                self.assertEqual(os.path.basename(scoop_entry["url"]), path.name)
                self.assertEqual(scoop_entry["hash"].lower(), sha256(path))
                self.assertEqual(os.path.basename(winget[winget_arch]["InstallerUrl"]), path.name)
                self.assertEqual(winget[winget_arch]["InstallerSha256"].lower(), sha256(path))
                for name in named_files:
                    self.assertIn(name, archive.namelist())

    def test_scoop_finds_and_fetches_the_next_version_as_named_on_the_release_page(self):
        scoop = json.loads((self.out / "plinkety.json").read_text())
        self.assertEqual(scoop["checkver"]["url"], self.release()["releases"])
        page = '<a href="plinkety-1.10-x64.zip">plinkety-1.10-x64.zip</a> <a href="plinkety-1.10-x86.zip">'
        found = re.search(scoop["checkver"]["regex"], page)
        self.assertEqual(found and found.group(1), "1.10")
        for arch, (scoop_arch, _) in ARCHS.items():
            url = scoop["autoupdate"]["architecture"][scoop_arch]["url"].replace("$version", "1.10")
            self.assertEqual(url, self.release()["releases"].rstrip("/") + "/plinkety-1.10-%s.zip" % arch)

    def release(self):
        return json.loads((BUILD / "generated" / "release.json").read_text())


class ReleaseSettings(unittest.TestCase):
    def test_a_release_sets_its_address_publisher_and_identifier_once(self):
        build = Path(tempfile.mkdtemp(prefix="plk-release-"))
        self.addCleanup(shutil.rmtree, build, ignore_errors=True)
        for arch in ARCHS:
            (build / ("windows-" + arch)).symlink_to(BUILD / ("windows-" + arch))
        release = json.loads((BUILD / "generated" / "release.json").read_text())
        release.update(releases="https://dl.example.net/plk", publisher='Jo "Plink" Smith', package_id="Jo.Plk")
        (build / "generated").mkdir()
        (build / "generated" / "release.json").write_text(json.dumps(release))
        package(build, build / "dist")
        scoop = json.loads((build / "dist" / "plinkety.json").read_text())
        winget = load_winget(build / "dist")
        self.assertEqual(scoop["architecture"]["64bit"]["url"], "https://dl.example.net/plk/plinkety-1.0-x64.zip")
        self.assertEqual(winget["installer"]["Installers"][0]["InstallerUrl"],
                         "https://dl.example.net/plk/plinkety-1.0-x86.zip")
        self.assertEqual(winget["defaultLocale"]["Publisher"], 'Jo "Plink" Smith')
        self.assertEqual({manifest["PackageIdentifier"] for manifest in winget.values()}, {"Jo.Plk"})


if __name__ == "__main__":
    BUILD = Path(sys.argv.pop(1)).resolve()
    unittest.main(verbosity=2)
