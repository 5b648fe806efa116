"""The package managers' manifests for a release: Scoop's plinkety.json and
winget's three-file manifest, written beside the zips they describe.

What they say of the release (its download folder, publisher, addresses,
winget identifier) comes from BUILD/generated/release.json, which CMake
writes from the build settings; the hashes come from the zips themselves.
"""
import hashlib
import json
from pathlib import Path

import yaml

# Architectures as the zips, Scoop and winget name them.
ARCHS = (("x86", "32bit", "x86"), ("x64", "64bit", "x64"))
EXE = "plinkety.exe"
SHORT_DESCRIPTION = "Plays something from your own music collection without making you choose it."
# The files the program writes beside itself, in place, so that the hard
# links Scoop's persist makes to them keep seeing every change. The file of
# played songs is listed ahead of the program writing it: Scoop would
# otherwise never carry over what an earlier version left.
WRITTEN_FILES = ("settings.ini", "plkindex.dat", "plkplayed.dat")
WINGET_MANIFEST_VERSION = "1.10.0"
WINGET_LOCALE = "en-US"


def read_release(build):
    path = Path(build) / "generated" / "release.json"
    if not path.is_file():
        raise SystemExit("package: %s is missing: configure first (scripts/build.sh)" % path)
    return json.loads(path.read_text())


def zip_name(version, arch):
    return "plinkety-%s-%s.zip" % (version, arch)


def sha256(path):
    return hashlib.sha256(Path(path).read_bytes()).hexdigest()


def download_url(release, version, arch):
    return release["releases"].rstrip("/") + "/" + zip_name(version, arch)


def scoop_manifest(release, zips):
    """zips: {arch: path of that architecture's zip}."""
    version = release["version"]
    architecture = {scoop: {"url": download_url(release, version, arch), "hash": sha256(zips[arch])}
                    for arch, scoop, _ in ARCHS}
    autoupdate = {scoop: {"url": download_url(release, "$version", arch)} for arch, scoop, _ in ARCHS}
    return {
        "version": version,
        "description": SHORT_DESCRIPTION,
        "homepage": release["website"],
        "license": "MIT",
        "architecture": architecture,
        # Scoop persists a name that is in neither place as a folder; an
        # empty file is what the program would take for no settings and an
        # empty library. Only a first install finds none in the persist
        # folder: an update links to what is there.
        "pre_install": [
            "foreach ($name in %s) {" % ", ".join("'%s'" % name for name in WRITTEN_FILES),
            "    if (!(Test-Path \"$persist_dir\\$name\")) { New-Item \"$dir\\$name\" -ItemType File | Out-Null }",
            "}",
        ],
        "shortcuts": [[EXE, "Plinkety"]],
        "persist": list(WRITTEN_FILES),
        "checkver": {"url": release["releases"], "regex": r"plinkety-([\d.]+)-x64\.zip"},
        "autoupdate": {"architecture": autoupdate},
    }


def winget_manifests(release, zips):
    """{file name: manifest} of winget's multi-file form."""
    ident = {"PackageIdentifier": release["package_id"], "PackageVersion": release["version"]}
    tail = {"ManifestVersion": WINGET_MANIFEST_VERSION}
    version = dict(ident, DefaultLocale=WINGET_LOCALE, ManifestType="version", **tail)
    installer = dict(
        ident,
        InstallerType="zip",
        NestedInstallerType="portable",
        NestedInstallerFiles=[{"RelativeFilePath": EXE}],
        # The program keeps its files beside the path it was started by:
        # started through a link in winget's Links folder it would keep them
        # there. With this winget puts the package folder itself on PATH.
        ArchiveBinariesDependOnPath=True,
        # Its own folder must be the user's to write in: never Program Files.
        Scope="user",
        Installers=[{"Architecture": winget, "InstallerUrl": download_url(release, release["version"], arch),
                     "InstallerSha256": sha256(zips[arch]).upper()} for arch, _, winget in ARCHS],
        ManifestType="installer", **tail)
    locale = dict(
        ident,
        PackageLocale=WINGET_LOCALE,
        Publisher=release["publisher"],
        PublisherUrl=release["website"],
        PublisherSupportUrl=release["website"],
        PackageName="Plinkety",
        PackageUrl=release["website"],
        License="MIT",
        ShortDescription=SHORT_DESCRIPTION,
        Moniker="plinkety",
        Tags=["music", "random", "shuffle"],
        ManifestType="defaultLocale", **tail)
    base = release["package_id"]
    return {base + ".yaml": version, base + ".installer.yaml": installer,
            base + ".locale." + WINGET_LOCALE + ".yaml": locale}


def write_winget(folder, manifests):
    folder.mkdir(parents=True, exist_ok=True)
    for name, manifest in manifests.items():
        # The first line tells editors (and winget's own tooling) the schema.
        header = "# yaml-language-server: $schema=https://aka.ms/winget-manifest.%s.%s.schema.json\n" % (
            manifest["ManifestType"], WINGET_MANIFEST_VERSION)
        # Wide lines: a value is never folded over two.
        text = yaml.safe_dump(manifest, sort_keys=False, allow_unicode=True, width=4096)
        (folder / name).write_text(header + text, encoding="utf-8")


def write_manifests(build, out, zips):
    """Writes OUT/plinkety.json and OUT/winget/<id>.*.yaml; returns their paths."""
    release = read_release(build)
    scoop = Path(out) / "plinkety.json"
    scoop.write_text(json.dumps(scoop_manifest(release, zips), indent=4) + "\n", encoding="utf-8")
    winget = Path(out) / "winget"
    write_winget(winget, winget_manifests(release, zips))
    return [scoop, winget]
