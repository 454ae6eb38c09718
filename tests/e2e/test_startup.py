"""Starting the program: the initial fill on the sample database, and a start without one."""

import unittest

from driver import MAIN_TITLE, START_SECONDS, ProgramTestCase

ERROR_TITLE = "Datenbankfehler..."


class InitialFillTest(ProgramTestCase):
    def test_first_menu_is_ticked_and_its_composition_shown(self):
        menus = self.query("SELECT Name, ID FROM Menues WHERE ID <> 0 ORDER BY ID")
        first_name, first_id = menus[0]
        snapshot = self.wait_for(lambda s: len(self.tree(s).items) > 1 and s,
                                 "the first menu is loaded")

        self.assertEqual(snapshot.title, f"{MAIN_TITLE} - {first_name}")
        table = self.menu_table(snapshot)
        self.assertEqual([(row.texts[0], int(row.texts[1])) for row in table.rows], menus)
        self.assertEqual([row.checked for row in table.rows],
                         [True] + [False] * (len(menus) - 1))
        tree = self.tree(snapshot)
        self.assertEqual(tree.item_texts()[:2], [(0, "Alle Zutaten"), (1, first_name)])
        self.assertCountEqual([text for depth, text in tree.item_texts() if depth == 2],
                              self.component_labels(first_id))

        ingredients = self.show_tab("Zutaten")
        (count,), = self.query("SELECT COUNT(*) FROM Zutaten")
        self.assertEqual(len(ingredients.rows), count)


class StartWithoutDatabaseTest(ProgramTestCase):
    with_database = False

    def test_missing_database_is_reported_and_the_process_fails(self):
        self.program.start()
        box = self.program.wait_for_window(ERROR_TITLE, exact=True, timeout=START_SECONDS)
        self.assertIn("Die Datenbank 'meals' wurde nicht gefunden.",
                      [window.text.split("\n")[0] for window in box.find_all("Static")])
        self.program.answer(ERROR_TITLE, "OK")
        self.assertNotEqual(self.program.wait_for_exit(), 0)
        self.assertFalse(self.program.probe(MAIN_TITLE, top_only=True))


if __name__ == "__main__":
    unittest.main()
