"""Drives the real plinkety.exe under Wine for the end-to-end tests.

Each test gets a fresh folder holding a copy of the program, so its
settings.ini and plkindex.dat live beside it, as they do for a user. The
recorder program is registered in the test prefix as the open command for the
music extensions; what the shell opened is read back from its log.

Run by tests/harness/wine-run, which sets WINEPREFIX and DISPLAY.
"""

import argparse
import os
import re
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


def unescape_wine_text(text):
    """A string as Wine's trace writes it: a backslash before a quote or a
    backslash, and each UTF-16 unit outside printable ASCII as a backslash
    and four hex digits (a character beyond the BMP as its two surrogates)."""
    units = re.sub(r"\\([0-9a-f]{4})|\\(.)",
                   lambda m: chr(int(m.group(1), 16)) if m.group(1) else m.group(2), text)
    return units.encode("utf-16-le", "surrogatepass").decode("utf-16-le", "replace")


def wait_for(predicate, timeout=20.0, interval=0.1, what="condition"):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(interval)
    raise AssertionError("timed out after %.0fs waiting for %s" % (timeout, what))


def run(*command, check=True, timeout=60, text=True):
    return subprocess.run(command, check=check, timeout=timeout,
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=text)


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


_registered_recorders = set()


def register_recorder(recorder_exe):
    """Makes the recorder the open command of the music extensions.

    The association lives in the prefix, not in a test's folder, so one
    registration serves every program a test script starts."""
    if recorder_exe in _registered_recorders:
        return
    command = '"%s" "%%1"' % windows_path(recorder_exe)
    lines = ["REGEDIT4", ""]
    for ext in MUSIC_EXTENSIONS:
        lines += ['[HKEY_LOCAL_MACHINE\\Software\\Classes\\%s]' % ext, '@="plinkety.testsong"', ""]
    lines += ['[HKEY_LOCAL_MACHINE\\Software\\Classes\\plinkety.testsong\\shell\\open\\command]',
              '@="%s"' % command.replace("\\", "\\\\").replace('"', '\\"'), ""]
    with tempfile.NamedTemporaryFile("w", suffix=".reg", delete=False) as reg:
        reg.write("\r\n".join(lines))
    try:
        # regedit now and then fails while the last test's Wine processes are
        # still ending; a later try finds the prefix ready.
        wait_for(lambda: run("wine", "regedit", "/S", windows_path(reg.name), check=False).returncode == 0,
                 timeout=30, interval=1, what="regedit to import the recorder's association")
    finally:
        os.unlink(reg.name)
    _registered_recorders.add(recorder_exe)


_registered_url_recorders = set()


def register_url_recorder(recorder_exe, schemes=("http", "https", "mailto")):
    """Makes the recorder the open command of web and mail addresses, so that
    the addresses the program hands to the shell land in its log."""
    if recorder_exe in _registered_url_recorders:
        return
    command = '"%s" "%%1"' % windows_path(recorder_exe)
    for scheme in schemes:
        wine_reg("add", "HKLM\\Software\\Classes\\%s\\shell\\open\\command" % scheme,
                 "/ve", "/d", command, "/f", check=True)
    _registered_url_recorders.add(recorder_exe)


def screen_pixels(shot, x, y, width, height):
    """The RGB bytes of a rectangle of a screenshot, row by row."""
    return run("convert", shot, "-crop", "%dx%d+%d+%d" % (width, height, x, y), "+repage",
               "-depth", "8", "rgb:-", timeout=60, text=False).stdout


class OpacitySpy:
    """Every whole-window alpha a Wine window is given while it runs, read
    from the _NET_WM_WINDOW_OPACITY property that Wine sets."""

    def __init__(self, window):
        self.output = tempfile.TemporaryFile()
        self.process = subprocess.Popen(["stdbuf", "-oL", "xprop", "-spy", "-id", window,
                                         "_NET_WM_WINDOW_OPACITY"],
                                        stdout=self.output, stderr=subprocess.DEVNULL)
        # It prints the value it finds first: from then on it sees every change.
        wait_for(self.alphas, what="xprop to watch the window")

    def alphas(self):
        self.output.seek(0)
        return [int(value) // 0x01010101 for value in re.findall(rb"= (\d+)", self.output.read())]

    def close(self):
        self.process.kill()
        self.process.wait(10)
        self.output.close()


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
        # Wine's message box trace tells which box the program put up; a
        # test adds trace+text to see what the program draws as text. Wine's
        # own errors stay on, so that a start Wine itself failed says why.
        self.wine_debug = "fixme-all,trace+msgbox"
        self.helpers = []

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
    def start(self, wait=True, retried=0):
        """Starts the program and, with wait, waits for its Play button."""
        register_recorder(self.recorder)
        register_url_recorder(self.recorder)
        env = dict(os.environ, PLINKETY_RECORDER_LOG=windows_path(self.recorder_log),
                   WINEDEBUG=self.wine_debug)
        if getattr(self, "wine_log", None):
            self.wine_log.close()
        self.wine_log = open(os.path.join(self.folder, "wine.log"), "wb")
        self.process = subprocess.Popen(["wine", self.exe], cwd=self.folder, env=env,
                                        stdout=subprocess.DEVNULL, stderr=self.wine_log,
                                        start_new_session=True)
        if wait:
            try:
                self.window = self.wait_play_button()
            except AssertionError:
                # Now and then, on a busy machine and right after the last
                # copy was killed, Wine ends a start with status 1 before the
                # program has shown any window or box. That start is made
                # once more; a program that fails so twice fails the test.
                if retried >= 2 or self.running() or self.process.returncode != 1 or self.message_boxes():
                    raise
                print("plk: Wine ended a start with status 1 before any window (%s); starting again"
                      % self.wine_log_tail(), file=sys.stderr)
                # Seen: the display refusing Wine's connection for half a
                # minute ("no driver could be loaded"); wait until it answers.
                if "no driver could be loaded" in self.wine_log_text():
                    wait_for(lambda: run("xdpyinfo", check=False).returncode == 0, timeout=90, interval=1,
                             what="the display to take connections again")
                    # Seen too: the prefix's desktop process (explorer) failed
                    # to reach the display and stays without a driver while
                    # the prefix's server runs, so every later start of any
                    # test fails alike. Ending the server ends that desktop;
                    # the next start makes a new one.
                    run("wineserver", "-k", check=False)
                    run("wineserver", "-w", check=False)
                return self.start(wait, retried=retried + 1)
        return self

    def wait_play_button(self, timeout=60, visible_only=True):
        """The 37 x 37 window titled Plinkety (the owner window has the same title);
        without visible_only, also one placed where the X server shows nothing.

        Generous: beside the other build's 20,000-file rebuild, a start can take half a minute."""
        def find():
            for window in self.find_windows("Plinkety", visible_only):
                try:
                    if self.geometry(window)[2:] == (37, 37):
                        return window
                except subprocess.CalledProcessError:
                    pass  # a window that went away between the search and the look
            return None
        try:
            # A program that has ended will show no button.
            found = wait_for(lambda: find() or (not self.running() and "ended"), timeout, what="the Play button")
            if found == "ended":
                raise AssertionError("the Play button never came")
            return found
        except AssertionError as failure:
            raise AssertionError("%s; the program %s; windows titled Plinkety: %s; Wine's log ends: %s" % (
                failure, "runs" if self.running() else "has ended with status %s" % getattr(self.process, "returncode", None),
                [(w, self.geometry(w)) for w in self.find_windows("Plinkety", False)],
                self.wine_log_tail())) from None

    def wine_log_tail(self, lines=8):
        path = os.path.join(self.folder, "wine.log")
        if not os.path.exists(path):
            return "(no log)"
        with open(path, encoding="latin-1") as f:
            return " | ".join(f.read().splitlines()[-lines:])

    # --- message boxes ----------------------------------------------------
    def message_boxes(self):
        """The texts of every message box the program has shown so far, in order."""
        path = os.path.join(self.folder, "wine.log")
        if not os.path.exists(path):
            return []
        with open(path, encoding="latin-1") as f:
            log = f.read()
        texts = []
        for match in re.finditer(r'MSGBOX_OnInit L"((?:[^"\\]|\\.)*)"', log):
            texts.append(re.sub(r"\\(.)", lambda m: {"r": "\r", "n": "\n"}.get(m.group(1), m.group(1)),
                                match.group(1)))
        return texts

    def wine_log_text(self):
        path = os.path.join(self.folder, "wine.log")
        if not os.path.exists(path):
            return ""
        with open(path, encoding="latin-1") as f:
            return f.read()

    def drawn_texts(self):
        """(text, DrawText flags) of every DrawText call so far; needs trace+text."""
        return [(unescape_wine_text(m.group(1)), int(m.group(2), 16))
                for m in re.finditer(r'DrawTextExW L"((?:[^"\\]|\\.)*)", -?\d+, \[[^\]]*\] ([0-9a-f]+)',
                                     self.wine_log_text())]

    def wait_message_box(self, seen, timeout=20):
        """The text of the first box shown after the first `seen` ones."""
        return wait_for(lambda: self.message_boxes()[seen:] and self.message_boxes()[seen],
                        timeout, what="a message box")

    def answer_box(self, title, key):
        """Presses key ("Return" for OK, "Escape" for Cancel) in the box titled
        title, and waits until the box has closed."""
        box = self.wait_window(title)
        # The error box shares its title with the program's own windows.
        shown = len(self.find_windows(title))
        run("xdotool", "key", "--window", box, key)
        wait_for(lambda: len(self.find_windows(title)) < shown, what="the box %r to close" % title)

    def answer_error_box(self, key):
        """Presses key in the error box, which shares the program's title with
        the zero-size owner window and the Play button."""
        box = wait_for(lambda: next((w for w in self.find_windows("Plinkety") if self.geometry(w)[2] > 100), None),
                       what="the error box")
        run("xdotool", "key", "--window", box, key)
        wait_for(lambda: box not in self.find_windows("Plinkety"), what="the error box to close")

    # --- the popup menu ---------------------------------------------------
    def menu(self, *access_keys):
        """Opens the popup menu with a right click and types the access keys,
        each once the menu it is meant for is on the screen."""
        others = set(self.find_windows(""))
        # Wine maps each open menu as a visible window without a name.
        menus = lambda: [w for w in self.find_windows("") if w not in others]
        self.click_button(3)
        wait_for(menus, what="the popup menu")
        # Near the screen's edge the menu is moved to fit, and the pointer may
        # then rest on a submenu's item, which opens after the hover delay;
        # the keys are for the top menu. Esc closes such a submenu alone. (The
        # pointer stays put: without a window manager the keyboard follows it.)
        if any(self.pointer_in(window) for window in menus()):
            time.sleep(0.8)
            if len(menus()) > 1:
                run("xdotool", "key", "--window", self.window, "Escape")
                wait_for(lambda: len(menus()) == 1, what="the submenu the pointer opened to close")
        for key in access_keys:
            open_menus = len(menus())
            run("xdotool", "key", "--window", self.window, key)
            # A key opens a submenu or chooses an item, which closes them all.
            wait_for(lambda: len(menus()) != open_menus, what="the menu's answer to %r" % key)

    def pointer_in(self, window):
        """Whether the pointer lies inside window."""
        shell = run("xdotool", "getmouselocation", "--shell").stdout
        px, py = (int(re.search(r"^%s=(-?\d+)" % axis, shell, re.M).group(1)) for axis in "XY")
        x, y, w, h = self.geometry(window)
        return x <= px < x + w and y <= py < y + h

    def exit(self, timeout=20):
        """Ends the program with the menu's Exit item."""
        self.menu("x")
        self.wait_exit(timeout)

    def drag_button(self, dx, dy):
        """Moves the button with Ctrl and the left mouse button."""
        x, y, w, h = self.geometry()
        cx, cy = x + w // 2, y + h // 2
        self.hover(cx, cy)
        run("xdotool", "keydown", "ctrl", "mousedown", "1")
        time.sleep(0.3)
        run("xdotool", "mousemove", str(cx - 2), str(cy - 2))
        time.sleep(0.2)
        run("xdotool", "mousemove", str(cx - 2 + dx), str(cy - 2 + dy))
        time.sleep(0.3)
        run("xdotool", "mouseup", "1", "keyup", "ctrl")
        if (dx, dy) != (0, 0):
            wait_for(lambda: self.geometry()[:2] != (x, y), what="the button to move")

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
        self.hover(x, y)
        time.sleep(0.2)
        run("xdotool", "click", str(button))

    def click_button(self, button=1):
        x, y, w, h = self.geometry()
        self.click(x + w // 2, y + h // 2, button)

    def key(self, *keys):
        run("xdotool", "key", *keys)

    def focused_window(self):
        return run("xdotool", "getwindowfocus").stdout.strip()

    def type_text(self, text):
        run("xdotool", "type", "--delay", "20", text)

    def hover(self, x, y):
        """Moves the pointer to (x, y) and waits until it is there."""
        # xdotool's own --sync waits for a motion event, which never comes
        # when the pointer is already in place.
        run("xdotool", "mousemove", str(x), str(y))
        wait_for(lambda: run("xdotool", "getmouselocation", "--shell").stdout.startswith("X=%d\nY=%d\n" % (x, y)),
                 timeout=5, interval=0.02, what="the pointer at %d,%d" % (x, y))

    # --- other programs, played by the recorder -----------------------------
    def start_helper(self, *args):
        """Starts the recorder in another role, ended with the test."""
        helper = subprocess.Popen(["wine", self.recorder] + list(args), stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL, start_new_session=True,
                                  env=dict(os.environ, PLINKETY_RECORDER_LOG=windows_path(self.helper_log)))
        self.helpers.append(helper)
        return helper

    @property
    def helper_log(self):
        return os.path.join(self.folder, "helper.log")

    def helper_lines(self):
        if not os.path.exists(self.helper_log):
            return []
        with open(self.helper_log, encoding="latin-1") as f:
            return [line.rstrip("\r\n") for line in f]

    def hold_exclusively(self, path):
        """Has another program open path without sharing it, until the test ends."""
        self.start_helper("--hold", windows_path(path))
        wait_for(lambda: "held " + windows_path(path) in self.helper_lines(), what="the file to be held")

    def z_order(self):
        """The titles of the visible top-level windows, topmost first."""
        seen = len(self.helper_lines())
        self.start_helper("--zorder").wait(30)
        return self.helper_lines()[seen].split("|")

    def foreground(self):
        """(title, class) of Wine's foreground window, asked with
        GetForegroundWindow: without a window manager X's focus does not
        follow it. (None, None) when there is none."""
        seen = len(self.helper_lines())
        self.start_helper("--foreground").wait(30)
        line = self.helper_lines()[seen]
        return tuple(line.split("|", 1)) if line else (None, None)

    def wait_foreground(self, title, timeout=20):
        """Waits until the window titled title is the foreground window."""
        last = [None]

        def there():
            last[0] = self.foreground()
            return last[0][0] == title
        try:
            wait_for(there, timeout, interval=0.2, what="%r in the foreground" % title)
        except AssertionError as failure:
            raise AssertionError("%s; it is %r" % (failure, last[0])) from None

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

    def read_settings_ini(self):
        """settings.ini as {key: value} of its General section, or None without a file."""
        text = self.read_settings()
        if text is None:
            return None
        values, section = {}, None
        for line in text.splitlines():
            line = line.strip()
            if line.startswith("["):
                section = line.strip("[]")
            elif "=" in line and section == "General":
                key, value = line.split("=", 1)
                values[key] = value
        return values

    def wait_settings(self, expected, whole=True):
        """Waits until settings.ini's General section holds expected (and,
        when whole, nothing else). A menu key's write lands a moment after
        the key, and the system rewrites the whole file each time."""
        values = {}

        def holds():
            nonlocal values
            values = self.read_settings_ini() or {}
            if whole:
                return values == expected
            return all(values.get(key) == value for key, value in expected.items())
        try:
            wait_for(holds, timeout=10, what="settings.ini to hold %r" % (expected,))
        except AssertionError as failure:
            raise AssertionError("%s; it holds %r" % (failure, values)) from None

    def kill(self):
        if self.running():
            try:
                os.killpg(self.process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            self.process.wait(10)

    def cleanup(self):
        self.kill()
        for helper in self.helpers:
            try:
                os.killpg(helper.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            helper.wait(10)
        if getattr(self, "wine_log", None):
            self.wine_log.close()
        # PLINKETY_KEEP_E2E=1 keeps the folder (program, settings, index, Wine's
        # log, screenshots) for a look after the test.
        if not os.environ.get("PLINKETY_KEEP_E2E"):
            shutil.rmtree(self.folder, ignore_errors=True)


class PlinketyTestCase(unittest.TestCase):
    """Gives each test a fresh copy of the program, ended after the test."""

    def new_program(self):
        program = Plinkety(ARGS.exe, ARGS.recorder)
        self.addCleanup(program.cleanup)
        return program
