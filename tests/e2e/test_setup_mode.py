"""Setup mode: the password, what the mode shows, and leaving it with a fresh backup copy."""

import os
import sqlite3
import unittest

from driver import PASSWORD_TITLE, ProgramTestCase

INVALID_PASSWORD = "Das Passwort ist ungültig."
BACKUP_BOX = "Sicherungskopie aktualisieren"


def new_buttons(snapshot):
    return snapshot.find_all("Button", "Neu")


class SetupModeTest(ProgramTestCase):
    def enter_after_a_wrong_password(self):
        self.enter_setup_mode("Tessmolin")
        self.program.wait_until(
            lambda: any(INVALID_PASSWORD in window.text
                        for window in self.program.probe(PASSWORD_TITLE).windows),
            "the dialog refuses the password")
        # The refused text is selected: typing replaces it.
        self.program.type("tessmolin")
        self.program.key("Return")
        self.program.wait_until_gone(PASSWORD_TITLE)

    def test_right_password_shows_new_buttons_and_the_reserved_menu(self):
        self.assertFalse(new_buttons(self.snapshot()))
        self.enter_after_a_wrong_password()

        (reserved,), = self.query("SELECT Name FROM Menues WHERE ID = 0")
        snapshot = self.wait_for(lambda s: self.menu_table(s).rows[0].texts[0] == reserved and s,
                                 "the reserved menu heads the menu table")
        self.assertEqual(self.menu_table(snapshot).rows[0].texts[1], "")
        self.assertEqual(len(new_buttons(snapshot)), 1)
        self.show_tab("Zutaten")
        self.assertEqual(len(new_buttons(self.snapshot())), 1)

    def test_cancelled_password_dialog_keeps_normal_mode(self):
        self.program.key("ctrl+e")
        self.program.answer(PASSWORD_TITLE, "Abbrechen")
        self.assertFalse(new_buttons(self.snapshot()))

    def test_leaving_with_backup_copies_the_database(self):
        self.enter_after_a_wrong_password()
        self.wait_for(new_buttons, "the Neu button shows")
        self.program.key("ctrl+e")
        dialog = self.program.wait_for_window(PASSWORD_TITLE)
        self.program.click_window(dialog.find("Button", BACKUP_BOX))
        self.program.answer(PASSWORD_TITLE, "OK")

        snapshot = self.wait_for(lambda s: not new_buttons(s) and s, "the Neu button hides")
        self.assertNotIn("", [row.texts[1] for row in self.menu_table(snapshot).rows])
        backup = self.program.wait_until(self.backed_up_menus, "the backup copy is written")
        self.assertEqual(backup, self.query("SELECT * FROM Menues ORDER BY ID"))

    def test_database_lost_on_leaving_ends_the_program_in_order(self):
        self.enter_after_a_wrong_password()
        self.wait_for(new_buttons, "the Neu button shows")
        # The database goes away under the running program: copying and reopening it fail.
        os.rename(self.folder.database, self.folder.database + ".away")
        self.program.key("ctrl+e")
        dialog = self.program.wait_for_window(PASSWORD_TITLE)
        self.program.click_window(dialog.find("Button", BACKUP_BOX))
        self.program.answer(PASSWORD_TITLE, "OK")
        for title in ("Sicherungskopie...", "Datenbankverbindung...", "Programmende..."):
            self.program.answer(title, "OK")
        self.assertEqual(self.program.wait_for_exit(), 0)
        self.assertTrue(os.path.exists(self.folder.settings_file), "the settings are written")

    def backed_up_menus(self):
        if not os.path.exists(self.folder.backup):
            return None
        try:
            return self.folder.query("SELECT * FROM Menues ORDER BY ID",
                                     database=self.folder.backup)
        except sqlite3.DatabaseError:
            return None


if __name__ == "__main__":
    unittest.main()
