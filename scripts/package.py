#!/usr/bin/env python3
"""Writes the release zips from built trees: for each Windows build,
OUT/plinkety-<version>-<arch>.zip holding that build's plinkety.exe as it is,
and README-Windows.txt, LICENSE and THIRD-PARTY-NOTICES with Windows line
ends. The version is the project's, from CMakeLists.txt. Beside them go the
package managers' manifests for the two zips (manifests.py).

    package.py BUILD_DIR OUT_DIR
"""
import os
import re
import sys
import time
import zipfile
from pathlib import Path

from manifests import write_manifests, zip_name

ROOT = Path(__file__).resolve().parent.parent
ARCHS = ("x86", "x64")
TEXTS = (("README-Windows.txt", ROOT / "resources" / "README-Windows.txt"),
         ("LICENSE", ROOT / "LICENSE"),
         ("THIRD-PARTY-NOTICES", ROOT / "THIRD-PARTY-NOTICES"))


def project_version():
    match = re.search(r"project\(plinkety\s+VERSION\s+([0-9.]+)", (ROOT / "CMakeLists.txt").read_text())
    return match.group(1)


def crlf(data):
    return data.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")


def write_zip(path, exe):
    # Every entry carries the exe's time: the same build gives the same zip.
    stamp = time.localtime(max(exe.stat().st_mtime, 315532800))[:6]  # zip times start in 1980
    entries = [("plinkety.exe", exe.read_bytes())]
    entries += [(name, crlf(source.read_bytes())) for name, source in TEXTS]
    partial = path.with_name(path.name + ".part")
    with zipfile.ZipFile(partial, "w", zipfile.ZIP_DEFLATED) as archive:
        for name, data in entries:
            info = zipfile.ZipInfo(name, stamp)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            archive.writestr(info, data)
    os.replace(partial, path)


def main(build, out):
    out.mkdir(parents=True, exist_ok=True)
    version = project_version()
    zips = {}
    for arch in ARCHS:
        exe = build / ("windows-" + arch) / "plinkety.exe"
        if not exe.is_file():
            sys.exit("package: %s is missing: build first (scripts/build.sh)" % exe)
        zips[arch] = out / zip_name(version, arch)
        write_zip(zips[arch], exe)
        print("package: %s" % zips[arch])
    for path in write_manifests(build, out, zips):
        print("package: %s" % path)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(Path(sys.argv[1]), Path(sys.argv[2]))
