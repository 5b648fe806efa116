"""Global hotkeys: set in their dialog, pressed from another application
(also while their dialog lies behind it), changed, and kept across a
restart; where the focus goes after a hotkey."""

import os
import subprocess
import unittest

import plk

DIALOG = "Set Global Hotkeys"
NOTEPAD = "Untitled - Notepad"


class Hotkeys(plk.PlinketyTestCase):
    def setUp(self):
        self.addCleanup(plk.delete_run_values)

    def start_notepad(self):
        """Another application for the user to work in."""
        process = subprocess.Popen(["wine", "notepad"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   start_new_session=True)

        def end():
            try:
                os.killpg(process.pid, 9)
            except ProcessLookupError:
                pass
            process.wait(10)
        self.addCleanup(end)
        window = plk.wait_for(lambda: (plk.run("xdotool", "search", "--onlyvisible", "--name", "^%s$" % NOTEPAD,
                                               check=False).stdout.split() or [None])[0], what="Notepad")
        # In a corner, clear of the dialogs in the middle of the screen.
        plk.run("xdotool", "windowsize", "--sync", window, "300", "200", "windowmove", "--sync", window, "0", "0")
        return window

    def open_dialog(self, program):
        """Opens the dialog from the menu; the focus is then in the first field."""
        program.menu("o", "h")
        dialog = program.wait_window(DIALOG)
        self.click_into(program, dialog)
        return dialog

    def click_into(self, program, window, x=4, y=140):
        """The user's click on a spot of the window with nothing on it: Wine
        activates the window, and the keyboard focus follows it, which
        without a window manager has to be done by hand."""
        left, top, _, _ = program.geometry(window)
        program.click(left + x, top + y)
        plk.run("xdotool", "windowfocus", "--sync", window)

    def press_ok(self, program):
        program.key("Return")
        plk.wait_for(lambda: not program.find_windows(DIALOG), what="the dialog to close")

    def start_with_one_song(self, settings):
        """The program started with these settings and a library of one song."""
        program = self.new_program()
        song_path = os.path.join(program.folder, "song.wav")
        with open(song_path, "wb") as f:
            f.write(b"not really music")
        song = plk.windows_path(song_path)
        plk.write_index(program.index_path, [song])
        program.write_settings(settings)
        program.start()
        return program, song

    def press_and_wait_for_the_fade(self, program, spy, keys):
        """Presses a hotkey and waits until the button has lit and faded back."""
        seen = len(spy.alphas())
        program.key(keys)
        plk.wait_for(lambda: 235 in spy.alphas()[seen:] and spy.alphas()[-1] == 125,
                     what="the button to light and fade")

    def wait_opened(self, program, count):
        return plk.wait_for(lambda: len(program.opened_files()) >= count and program.opened_files(),
                            what="%d opened files" % count)

    def test_hotkeys_from_another_application_changed_and_after_a_restart(self):
        program, song = self.start_with_one_song("[General]\nautostart=0\n")

        # The dialog opens with the focus in the first field; Tab goes to the second.
        self.open_dialog(program)
        program.key("ctrl+alt+p", "Tab", "ctrl+alt+a")
        self.press_ok(program)
        settings = program.read_settings_ini()
        self.assertEqual((settings["hotkey"], settings["hotkeypa"]), ("Ctrl+Alt+P", "Ctrl+Alt+A"))

        notepad = self.start_notepad()
        self.click_into(program, notepad, 100, 100)
        spy = plk.OpacitySpy(program.window)
        self.addCleanup(spy.close)

        # Play again with no last song only lights the button.
        self.press_and_wait_for_the_fade(program, spy, "ctrl+alt+a")
        self.assertEqual(program.opened_files(), [])

        program.key("ctrl+alt+p")
        self.assertEqual(self.wait_opened(program, 1), [song])
        program.key("ctrl+alt+a")
        self.assertEqual(self.wait_opened(program, 2), [song, song])
        plk.wait_for(lambda: program.focused_window() == notepad, what="the focus back in Notepad")
        self.assertGreaterEqual(spy.alphas().count(235), 3)

        # Reopened, the dialog holds the confirmed combinations; an edit
        # survives a visit to another application, and a changed combination
        # no longer answers to the old keys.
        dialog = self.open_dialog(program)
        program.key("ctrl+alt+k")
        self.click_into(program, notepad, 100, 100)
        self.click_into(program, dialog)
        self.press_ok(program)
        self.assertEqual(program.read_settings_ini(), dict(settings, hotkey="Ctrl+Alt+K"))
        self.click_into(program, notepad, 100, 100)
        program.key("ctrl+alt+p")
        program.exit()
        program.start()
        self.click_into(program, notepad, 100, 100)
        program.key("ctrl+alt+k")
        self.assertEqual(self.wait_opened(program, 3), [song] * 3)
        self.assertEqual(program.message_boxes(), [])

    def test_hotkeys_work_while_their_dialog_lies_behind_another_window(self):
        program, song = self.start_with_one_song("[General]\nautostart=0\nhotkey=Ctrl+Alt+P\n")
        notepad = self.start_notepad()

        # With the keyboard, the dialog takes the combination into its field;
        # behind Notepad, the hotkey plays.
        dialog = self.open_dialog(program)
        program.key("ctrl+alt+p")
        self.click_into(program, notepad, 100, 100)
        program.key("ctrl+alt+p")
        self.assertEqual(self.wait_opened(program, 1), [song])
        self.click_into(program, dialog)
        program.key("Escape")
        plk.wait_for(lambda: not program.find_windows(DIALOG), what="the dialog to close")
        program.exit()
        self.assertEqual(program.opened_files(), [song])

    def test_the_focus_goes_back_past_an_open_dialog_but_not_past_the_hotkeys_own_box(self):
        program = self.new_program()
        # No library: the play hotkey greets with a box. Not on top: a hotkey
        # brings the program, and so the About dialog, forward.
        program.write_settings("[General]\nautostart=0\nstayontop=0\nhotkey=Ctrl+Alt+P\nhotkeypa=Ctrl+Alt+A\n")
        program.start()
        program.menu("b")
        program.wait_foreground("About")
        notepad = self.start_notepad()
        self.click_into(program, notepad, 100, 100)
        program.wait_foreground(NOTEPAD)
        spy = plk.OpacitySpy(program.window)
        self.addCleanup(spy.close)

        # The hand-back follows the fade's start: once it has faded, the
        # foreground is where it stays.
        self.press_and_wait_for_the_fade(program, spy, "ctrl+alt+a")
        program.wait_foreground(NOTEPAD)

        self.press_and_wait_for_the_fade(program, spy, "ctrl+alt+p")
        welcome = program.wait_message_box(0)
        self.assertTrue(welcome.startswith("Welcome!"), welcome)
        program.wait_foreground("Information")

        # Pressed again from Notepad, the hotkey brings its box back: no second one.
        self.click_into(program, notepad, 100, 100)
        program.wait_foreground(NOTEPAD)
        program.key("ctrl+alt+p")
        program.wait_foreground("Information")
        self.assertEqual(program.message_boxes(), [welcome])


if __name__ == "__main__":
    plk.main()
