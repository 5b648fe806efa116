"""Drives the real plinkety.exe under Wine for the end-to-end tests.

Each test gets a fresh folder holding a copy of the program, so its
settings.ini and plkindex.dat live beside it, as they do for a user. The
recorder program is registered in the test prefix as the open command for the
music extensions; what the shell opened is read back from its log.

Run by tests/harness/wine-run, which sets WINEPREFIX and DISPLAY.
"""

import argparse
import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import unittest

MUSIC_EXTENSIONS = (".mp3", ".wav", ".ogg", ".wma", ".flac", ".m4a", ".mid")
RECORD_SIZE = 260
RUN_KEY = r"Software\Microsoft\Windows\CurrentVersion\Run"

ARGS = None


def parse_args():
    """Takes --exe and --recorder off the command line, leaves the rest to unittest."""
    global ARGS
    parser = argparse.ArgumentParser(add_help=False)
    parser.add_argument("--exe", required=True)
    parser.add_argument("--recorder", required=True)
    ARGS, rest = parser.parse_known_args()
    return [sys.argv[0]] + rest


def main():
    argv = parse_args()
    unittest.main(argv=argv, verbosity=2)


def windows_path(path):
    """The Wine path of a Unix path through the Z: drive."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def wait_for(predicate, timeout=20.0, interval=0.1, what="condition"):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(interval)
    raise AssertionError("timed out after %.0fs waiting for %s" % (timeout, what))


def run(*command, check=True, timeout=60):
    return subprocess.run(command, check=check, timeout=timeout,
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)


def wine_reg(*args, check=False):
    return run("wine", "reg", *args, check=check)


def reg_value(hive, key, name):
    """The data of a REG_SZ value, or None when it is absent."""
    result = wine_reg("query", hive + "\\" + key, "/v", name)
    if result.returncode != 0:
        return None
    for line in result.stdout.splitlines():
        parts = line.strip().split(None, 2)
        if len(parts) >= 2 and parts[0].lower() == name.lower() and parts[1].startswith("REG_"):
            return parts[2] if len(parts) == 3 else ""
    return None


def delete_run_values():
    for hive in ("HKCU", "HKLM"):
        wine_reg("delete", hive + "\\" + RUN_KEY, "/v", "Plinkety", "/f")


def make_record(number, path):
    """One index record: Number little-endian, length byte, 255 path bytes."""
    data = path.encode("latin-1")[:255]
    return struct.pack("<iB", number, len(data)) + data.ljust(255, b"\0")


def write_index(path, song_paths):
    with open(path, "wb") as out:
        for number, song in enumerate(song_paths, 1):
            out.write(make_record(number, song))


def register_recorder(recorder_exe):
    """Makes the recorder the open command of the music extensions."""
    command = '"%s" "%%1"' % windows_path(recorder_exe)
    lines = ["REGEDIT4", ""]
    for ext in MUSIC_EXTENSIONS:
        lines += ['[HKEY_LOCAL_MACHINE\\Software\\Classes\\%s]' % ext, '@="plinkety.testsong"', ""]
    lines += ['[HKEY_LOCAL_MACHINE\\Software\\Classes\\plinkety.testsong\\shell\\open\\command]',
              '@="%s"' % command.replace("\\", "\\\\").replace('"', '\\"'), ""]
    with tempfile.NamedTemporaryFile("w", suffix=".reg", delete=False) as reg:
        reg.write("\r\n".join(lines))
    try:
        run("wine", "regedit", "/S", windows_path(reg.name))
    finally:
        os.unlink(reg.name)


class Plinkety:
    """One copy of the program in its own folder, started and ended by a test."""

    def __init__(self, exe, recorder, root=None):
        base = os.path.join(os.environ.get("PLINKETY_BUILD", tempfile.gettempdir()), "e2e")
        os.makedirs(base, exist_ok=True)
        self.folder = root or tempfile.mkdtemp(prefix="run-", dir=base)
        self.exe = os.path.join(self.folder, "plinkety.exe")
        shutil.copy(exe, self.exe)
        self.recorder = recorder
        self.recorder_log = os.path.join(self.folder, "opened.log")
        self.process = None
        self.window = None

    # --- files beside the program ---------------------------------------
    @property
    def settings_path(self):
        return os.path.join(self.folder, "settings.ini")

    @property
    def index_path(self):
        return os.path.join(self.folder, "plkindex.dat")

    def write_settings(self, text):
        with open(self.settings_path, "w", newline="\r\n") as out:
            out.write(text)

    def read_settings(self):
        if not os.path.exists(self.settings_path):
            return None
        with open(self.settings_path, encoding="latin-1") as f:
            return f.read()

    def opened_files(self):
        if not os.path.exists(self.recorder_log):
            return []
        with open(self.recorder_log, encoding="latin-1") as f:
            return [line.rstrip("\r\n") for line in f if line.strip()]

    # --- the process ------------------------------------------------------
    def start(self):
        register_recorder(self.recorder)
        env = dict(os.environ, PLINKETY_RECORDER_LOG=windows_path(self.recorder_log))
        self.process = subprocess.Popen(["wine", self.exe], cwd=self.folder, env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                        start_new_session=True)
        self.window = self.wait_window("Plinkety", visible_only=True)
        return self

    def wait_window(self, title, visible_only=True, timeout=30):
        def find():
            ids = self.find_windows(title, visible_only)
            return ids[0] if ids else None
        return wait_for(find, timeout, what="window %r" % title)

    def find_windows(self, title, visible_only=True):
        command = ["xdotool", "search"]
        if visible_only:
            command.append("--onlyvisible")
        command += ["--name", "^%s$" % title]
        result = run(*command, check=False)
        return [line for line in result.stdout.split() if line]

    def geometry(self, window=None):
        """(x, y, width, height) of a window on the X screen."""
        out = run("xdotool", "getwindowgeometry", "--shell", window or self.window).stdout
        values = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def click(self, x, y, button=1):
        run("xdotool", "mousemove", "--sync", str(x), str(y))
        time.sleep(0.2)
        run("xdotool", "click", str(button))

    def click_button(self, button=1):
        x, y, w, h = self.geometry()
        self.click(x + w // 2, y + h // 2, button)

    def key(self, *keys):
        run("xdotool", "key", *keys)

    def type_text(self, text):
        run("xdotool", "type", "--delay", "20", text)

    def screenshot(self, path):
        run("import", "-window", "root", path)
        return path

    def running(self):
        return self.process is not None and self.process.poll() is None

    def wait_exit(self, timeout=20):
        try:
            self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError("the program did not end within %ss" % timeout)

    def kill(self):
        if self.running():
            try:
                os.killpg(self.process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            self.process.wait(10)

    def cleanup(self):
        self.kill()
        shutil.rmtree(self.folder, ignore_errors=True)


class PlinketyTestCase(unittest.TestCase):
    """Gives each test a fresh copy of the program, ended after the test."""

    def new_program(self):
        program = Plinkety(ARGS.exe, ARGS.recorder)
        self.addCleanup(program.cleanup)
        return program
