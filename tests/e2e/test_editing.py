"""Creating, editing and deleting ingredients and menus in setup mode, with the refusals and
confirmations on the way."""

import unittest

from driver import MAIN_TITLE, ProgramTestCase

NEW_INGREDIENT = "<Neue Zutat> hinzufügen..."


class EditingTest(ProgramTestCase):
    def setUp(self):
        super().setUp()
        self.enter_setup_mode()
        self.program.wait_until_gone("Eingabemodus...")

    def open_new_dialog(self, page, term, title):
        self.show_tab(page)
        self.search(term)
        self.program.click_button(MAIN_TITLE, "Neu")
        return self.program.wait_for_window(title, exact=True)

    def choose_from_popup(self, row, key):
        self.program.click(row.label.centre)
        self.program.click(row.label.centre, button=3)
        self.program.key(key)

    def test_new_ingredient_needs_a_name_and_a_free_number(self):
        (highest,), = self.query("SELECT MAX(ID) FROM Zutaten")
        dialog = self.open_new_dialog("Zutaten", "", NEW_INGREDIENT)
        self.program.click_button(NEW_INGREDIENT, "OK")
        self.program.answer("Name fehlt...", "OK")

        self.program.fill(dialog.field("Name:"), "Kokosmilch")
        self.program.fill(dialog.field("Art.-Nr.:"), str(highest))
        self.program.click_button(NEW_INGREDIENT, "OK")
        self.program.answer("Artikelnummer schon vergeben...", "OK")
        self.program.answer(NEW_INGREDIENT, "OK")

        self.program.wait_until(lambda: self.query("SELECT ID FROM Zutaten WHERE Name = ?",
                                                   ("Kokosmilch",)) == [(highest + 1,)],
                                "the ingredient is stored under the next free number")
        self.wait_for(lambda s: self.ingredient_table(s).row_named("Kokosmilch"),
                      "the ingredient is listed")

    def test_edited_ingredient_is_stored_and_shown(self):
        (ingredient_id, name), = self.query("SELECT ID, Name FROM Zutaten ORDER BY ID LIMIT 1")
        row = self.find_row("Zutaten", ingredient_id, name)
        self.program.click(row.label.centre, count=2)
        title = f"{name} bearbeiten..."
        dialog = self.program.wait_for_window(title, exact=True)
        self.program.fill(dialog.field("Verkehrsbezeichnung:"), "Huhn")
        self.program.answer(title, "OK")

        self.wait_for(lambda s: self.ingredient_table(s).row_named(name).texts[3] == "Huhn",
                      "the row shows the new designation")
        self.assertEqual(self.query("SELECT Verkehrsbezeichnung FROM Zutaten WHERE ID = ?",
                                    (ingredient_id,)), [("Huhn",)])

    def test_edited_menu_is_stored_and_reloaded(self):
        (menu_id, name), = self.query(
            "SELECT ID, Name FROM Menues WHERE ID <> 0 ORDER BY ID LIMIT 1")
        self.program.click(self.find_row("Menüs", menu_id, name).label.centre, count=2)
        title = f"{name} bearbeiten..."
        dialog = self.program.wait_for_window(title, exact=True)
        self.program.fill(dialog.field("Name:"), "Abendkarte")
        self.program.answer(title, "OK")

        self.wait_for(lambda s: s.title == f"{MAIN_TITLE} - Abendkarte",
                      "the loaded menu shows its new name")
        self.assertEqual(self.query("SELECT Name FROM Menues WHERE ID = ?", (menu_id,)),
                         [("Abendkarte",)])

    def test_used_ingredient_stays_and_unused_one_goes_after_confirmation(self):
        components = "(SELECT Kind FROM Anteile UNION SELECT Kind FROM Mengen)"
        used, unused = (self.query(f"SELECT ID, Name FROM Zutaten WHERE ID {condition}"
                                   f" {components} ORDER BY ID LIMIT 1")[0]
                        for condition in ("IN", "NOT IN"))
        for (ingredient_id, name), box, answer, kept in (
                (used, "Zutat wird verwendet...", "OK", True),
                (unused, "Löschen einer Zutat bestätigen...", "Nein", True),
                (unused, "Löschen einer Zutat bestätigen...", "Ja", False)):
            with self.subTest(name=name, answer=answer):
                self.choose_from_popup(self.find_row("Zutaten", ingredient_id, name), "l")
                self.program.answer(box, answer)
                self.program.wait_until(
                    lambda: bool(self.query("SELECT 1 FROM Zutaten WHERE ID = ?",
                                            (ingredient_id,))) == kept,
                    "the database holds the ingredient" if kept else "the ingredient is gone")

    def test_new_menu_is_stored_and_deleted_after_confirmation(self):
        (highest,), = self.query("SELECT MAX(ID) FROM Menues")
        title = "Abendkarte hinzufügen..."
        self.open_new_dialog("Menüs", "Abendkarte", title)
        self.program.answer(title, "OK")
        row = self.wait_for(lambda s: self.menu_table(s).row_named("Abendkarte"),
                            "the new menu is listed")
        self.assertEqual(self.query("SELECT ID FROM Menues WHERE Name = 'Abendkarte'"),
                         [(highest + 1,)])

        self.choose_from_popup(row, "l")
        self.program.answer("Löschen eines Menüs bestätigen", "Ja")
        self.wait_for(lambda s: self.menu_table(s).row_named("Abendkarte") is None,
                      "the menu is no longer listed")
        self.assertFalse(self.query("SELECT 1 FROM Menues WHERE Name = 'Abendkarte'"))


if __name__ == "__main__":
    unittest.main()
