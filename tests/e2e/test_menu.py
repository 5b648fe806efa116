"""The popup menu: always on top, the autostart modes, Exit and the saved position."""

import unittest

import plk


class Menu(plk.PlinketyTestCase):
    def setUp(self):
        plk.delete_run_values()
        self.addCleanup(plk.delete_run_values)

    def test_always_on_top_item_writes_stayontop(self):
        program = self.new_program().start()
        program.menu("o", "t")
        program.wait_settings({"stayontop": "0"})
        program.menu("o", "t")
        program.wait_settings({"stayontop": "1"})

    def test_autostart_items_change_the_run_values(self):
        program = self.new_program().start()
        exe = plk.windows_path(program.exe)

        program.menu("o", "s")  # Start with Windows: the machine's value only
        program.wait_settings({"autostart": "1"}, whole=False)
        self.assertEqual(plk.reg_value("HKLM", plk.RUN_KEY, "Plinkety"), exe)
        self.assertIsNone(plk.reg_value("HKCU", plk.RUN_KEY, "Plinkety"))

        program.menu("o", "c")  # Start with current user: the user's value only
        program.wait_settings({"autostart": "2"}, whole=False)
        self.assertIsNone(plk.reg_value("HKLM", plk.RUN_KEY, "Plinkety"))
        self.assertEqual(plk.reg_value("HKCU", plk.RUN_KEY, "Plinkety"), exe)

        program.menu("o", "d")  # Don't start automatically: neither
        program.wait_settings({"autostart": "0"}, whole=False)
        self.assertIsNone(plk.reg_value("HKLM", plk.RUN_KEY, "Plinkety"))
        self.assertIsNone(plk.reg_value("HKCU", plk.RUN_KEY, "Plinkety"))
        self.assertEqual(program.message_boxes(), [])

    def test_moved_button_saves_its_position_at_exit(self):
        program = self.new_program().start()
        x, y, _, _ = program.geometry()
        program.drag_button(-300, -200)
        moved_x, moved_y, _, _ = program.geometry()
        self.assertNotEqual((moved_x, moved_y), (x, y), "the drag moved the button")
        self.assertIsNone(program.read_settings(), "the position is written only at exit")
        program.exit()
        program.wait_settings({"posX": str(moved_x), "posY": str(moved_y)})

        # The next start uses it, and an unmoved button writes nothing more.
        before = program.read_settings()
        program.start()
        self.assertEqual(program.geometry()[:2], (moved_x, moved_y))
        program.exit()
        self.assertEqual(program.read_settings(), before)

    def test_theme_item_saves_schema_and_clinvert(self):
        program = self.new_program().start()
        program.menu("t", "g")  # Gray: dark labels
        program.wait_settings({"schema": "1", "clinvert": "1"})
        program.menu("t", "r")  # Green
        program.wait_settings({"schema": "4", "clinvert": "0"})


if __name__ == "__main__":
    plk.main()
