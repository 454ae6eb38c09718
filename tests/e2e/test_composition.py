"""Changing compositions in setup mode: adding an ingredient through its check box and the add
dialog, the refusal to add an ingredient to itself, saving the structure, saving as a new menu."""

import unittest

from driver import MAIN_TITLE, SAVE_TITLE, ProgramTestCase

REFUSAL_TITLE = "Zutat hinzufügen..."


class CompositionTest(ProgramTestCase):
    def setUp(self):
        super().setUp()
        (self.menu_name, self.menu_id), = self.query(
            "SELECT Name, ID FROM Menues WHERE ID <> 0 ORDER BY ID LIMIT 1")
        self.wait_for(lambda s: s.title == f"{MAIN_TITLE} - {self.menu_name}", "the menu loads")
        self.enter_setup_mode()
        self.program.wait_until_gone("Eingabemodus...")

    def select_in_tree(self, name):
        self.program.click(self.tree(self.snapshot()).item_named(name).label.centre)
        self.wait_for(lambda s: self.tree(s).item_named(name).selected,
                      f"'{name}' is selected in the tree")

    def add_under(self, parent_name, weight):
        """Ticks the first plain ingredient not yet in the menu, with the parent selected in the
        tree, and confirms the add dialog; returns the ingredient's ID, name and tree item."""
        (ingredient_id, name), = self.query(
            "SELECT ID, Name FROM Zutaten WHERE ID NOT IN"
            " (SELECT Kind FROM Mengen WHERE Eltern = ?)"
            " AND ID NOT IN (SELECT Eltern FROM Anteile) ORDER BY ID LIMIT 1", (self.menu_id,))
        self.select_in_tree(parent_name)
        self.tick(self.find_row("Zutaten", ingredient_id, name))
        title = f"{name} zum Menü hinzufügen..."
        dialog = self.program.wait_for_window(title, exact=True)
        self.program.fill(dialog.field("Einwaage:"), weight)
        self.program.answer(title, "OK")
        snapshot = self.wait_for(lambda s: self.tree(s).item_named(name) and s,
                                 "the tree shows the added ingredient")
        self.assertTrue(self.ingredient_table(snapshot).row_named(name).checked)
        return ingredient_id, name, self.tree(snapshot).item_named(name)

    def test_ticked_ingredient_joins_the_menu_and_is_saved(self):
        ingredient_id, name, item = self.add_under(self.menu_name, "120")
        self.assertEqual(item.depth, 2)

        # Choosing another menu asks to save the changed one.
        self.tick(self.show_tab("Menüs").rows[2])
        self.program.answer(SAVE_TITLE, "Ja")
        self.program.wait_until(
            lambda: self.query("SELECT 1 FROM Mengen WHERE Eltern = ? AND Kind = ?",
                               (self.menu_id, ingredient_id)),
            "the new composition is stored")

    def test_component_of_a_composed_ingredient_is_saved_from_the_popup(self):
        (composed_id, composed), = self.query(
            "SELECT ID, Name FROM Zutaten WHERE ID IN (SELECT Kind FROM Mengen WHERE Eltern = ?)"
            " AND ID IN (SELECT Eltern FROM Anteile) ORDER BY ID LIMIT 1", (self.menu_id,))
        ingredient_id, name, item = self.add_under(composed, "5")
        self.assertEqual(item.depth, 3)

        self.program.click(item.label.centre, button=3)
        self.program.key("s")
        self.program.answer(SAVE_TITLE, "Ja")
        self.program.wait_until(
            lambda: self.query("SELECT 1 FROM Anteile WHERE Eltern = ? AND Kind = ?",
                               (composed_id, ingredient_id)),
            "the composed ingredient's new component is stored")

    def test_ingredient_cannot_be_added_to_itself(self):
        (ingredient_id, name), = self.query(
            "SELECT ID, Name FROM Zutaten WHERE ID IN (SELECT Kind FROM Mengen WHERE Eltern = ?)"
            " AND ID IN (SELECT Eltern FROM Anteile) ORDER BY ID LIMIT 1", (self.menu_id,))
        self.select_in_tree(name)
        self.tick(self.find_row("Zutaten", ingredient_id, name))
        box = self.program.wait_for_window(REFUSAL_TITLE, exact=True)
        self.assertTrue(any("kann nicht zu sich selbst hinzugefügt werden." in w.text
                            for w in box.find_all("Static")))
        self.program.answer(REFUSAL_TITLE, "OK")
        self.assertFalse(self.ingredient_table(self.snapshot()).row_named(name).checked)

    def test_save_as_new_menu_copies_the_composition(self):
        menu_item = self.tree(self.snapshot()).items[1]
        self.program.click(menu_item.label.centre, button=3)
        self.program.key("m")
        dialog = self.program.wait_for_window("<Neues Menü> hinzufügen...", exact=True)
        self.program.fill(dialog.field("Name:"), "Abendkarte")
        self.program.answer("<Neues Menü> hinzufügen...", "OK")

        self.wait_for(lambda s: s.title == f"{MAIN_TITLE} - Abendkarte", "the new menu is loaded")
        (new_id,), = self.query("SELECT ID FROM Menues WHERE Name = 'Abendkarte'")
        self.assertCountEqual(self.component_labels(new_id), self.component_labels(self.menu_id))
        table = self.menu_table(self.snapshot())
        self.assertEqual([row.texts[0] for row in table.rows if row.checked], ["Abendkarte"])


if __name__ == "__main__":
    unittest.main()
