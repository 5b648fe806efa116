"""The real program in a folder named in two scripts, rebuilding from a music
folder named in Cyrillic, and from a music tree that holds a link to its own
parent. Wine's code page here is a Western one, which spells neither
Cyrillic nor the Polish Ł; Wine keeps short names for such folders."""

import os
import shutil
import tempfile
import time
import unittest

import plk
from test_rebuild import TITLE, read_index

USER_FOLDER = "\u0141ukasz \u041f\u043b\u0438\u043d\u043a\u0435\u0442\u0438"  # Łukasz Плинкети
MUSIC_FOLDER = "\u041c\u0443\u0437\u044b\u043a\u0430"  # Музыка


class ProgramWithLogsElsewhere(plk.Plinkety):
    """The recorder writes its logs through the 8-bit calls, which cannot
    reach a folder the code page cannot spell: they go to logs instead."""

    def __init__(self, exe, recorder, root, logs):
        super().__init__(exe, recorder, root=root)
        self.logs = logs
        self.recorder_log = os.path.join(logs, "opened.log")

    @property
    def helper_log(self):
        return os.path.join(self.logs, "helper.log")


class AnyFolder(plk.PlinketyTestCase):
    def program_in(self, name):
        base = os.path.join(os.environ.get("PLINKETY_BUILD", "/tmp"), "e2e")
        os.makedirs(base, exist_ok=True)
        parent = tempfile.mkdtemp(prefix="run-", dir=base)
        if not os.environ.get("PLINKETY_KEEP_E2E"):
            self.addCleanup(shutil.rmtree, parent, True)
        folder = os.path.join(parent, name)
        os.makedirs(folder)
        program = ProgramWithLogsElsewhere(plk.ARGS.exe, plk.ARGS.recorder, folder, parent)
        self.addCleanup(program.cleanup)
        return program

    def rebuild(self, program, folder, paste=False):
        """Types folder into the Rebuild dialog (or pastes it, copied from
        another program), starts, and returns the completion box's text."""
        if paste:
            text_file = os.path.join(program.helper_log + ".txt")
            with open(text_file, "w", encoding="utf-8") as out:
                out.write(folder)
            program.start_helper("--paste", plk.windows_path(text_file))
            plk.wait_for(lambda: "pasted" in program.helper_lines(), what="the folder on the clipboard")
        seen = len(program.message_boxes())
        program.menu("o", "b")
        program.wait_window(TITLE)
        time.sleep(0.5)
        program.key("End", "BackSpace", "BackSpace", "BackSpace")  # the box reads C:\
        if paste:
            program.key("ctrl+v")
        else:
            program.type_text(folder)
        time.sleep(0.3)
        program.key("Return")
        text = program.wait_message_box(seen, timeout=60)
        program.answer_box("Information" if text.startswith("Your new") else "Warning", "Return")
        return text

    def test_a_folder_named_in_two_scripts_keeps_settings_and_library(self):
        program = self.program_in(USER_FOLDER)
        music = os.path.join(program.folder, MUSIC_FOLDER)
        for name in ("one.mp3", "\u0410\u043b\u044c\u0431\u043e\u043c/\u043f\u0435\u0441\u043d\u044f.mp3"):
            os.makedirs(os.path.dirname(os.path.join(music, name)), exist_ok=True)
            open(os.path.join(music, name), "wb").close()
        plk.delete_run_values()
        program.start()
        program.menu("t", "g")
        program.wait_settings({"schema": "1", "clinvert": "1"})
        self.assertEqual(program.message_boxes(), [])
        # The autostart value names the program by its short form.
        run_value = plk.reg_value("HKCU", plk.RUN_KEY, "Plinkety")
        self.assertIsNotNone(run_value)
        self.assertNotIn("?", run_value)
        self.assertTrue(run_value.lower().endswith("\\plinkety.exe"), run_value)

        # xdotool cannot type letters outside the keyboard's layout to Wine:
        # the folder is pasted, as from a file manager.
        text = self.rebuild(program, plk.windows_path(music), paste=True)
        self.assertEqual(text, "Your new music library has been built.\r\n\r\n2 music files found.")
        records = read_index(program.index_path)
        self.assertEqual(len(records), 2)
        for _, path in records:
            self.assertNotIn("?", path)
        # Every record opens: a click plays one of them.
        program.click_button()
        opened = plk.wait_for(program.opened_files, what="a song to be opened")
        self.assertEqual(len(opened), 1)

    def test_a_link_to_its_own_parent_indexes_each_file_once(self):
        program = self.new_program()
        music = os.path.join(program.folder, "music")
        for name in ("top.mp3", "Album/one.mp3", "Album/Disc/two.mp3"):
            os.makedirs(os.path.dirname(os.path.join(music, name)), exist_ok=True)
            open(os.path.join(music, name), "wb").close()
        # Shown by Wine as a plain folder; only its identity gives it away.
        os.symlink("..", os.path.join(music, "Album", "Back"))
        os.symlink(os.path.join(music, "Album"), os.path.join(music, "Album", "Disc", "Again"))
        program.start()
        root = plk.windows_path(music)
        text = self.rebuild(program, root)
        self.assertEqual(text, "Your new music library has been built.\r\n\r\n3 music files found.")
        self.assertEqual(sorted(path for _, path in read_index(program.index_path)),
                         sorted([root + "\\top.mp3", root + "\\Album\\one.mp3", root + "\\Album\\Disc\\two.mp3"]))


if __name__ == "__main__":
    plk.main()
