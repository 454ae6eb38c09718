"""Choosing the menu to print: its check box moves the tick and loads it into the tree."""

import time
import unittest

from driver import MAIN_TITLE, ProgramTestCase


class MenuChoiceTest(ProgramTestCase):
    def test_ticking_another_menu_loads_it(self):
        (name, menu_id), = self.query(
            "SELECT Name, ID FROM Menues WHERE ID <> 0 ORDER BY ID LIMIT 1 OFFSET 2")
        table = self.show_tab("Menüs")
        self.tick(table.row_named(name))
        snapshot = self.wait_for(lambda s: s.title == f"{MAIN_TITLE} - {name}" and s,
                                 "the title names the ticked menu")

        self.assertEqual([row.texts[0] for row in self.menu_table(snapshot).rows if row.checked],
                         [name])
        tree = self.tree(snapshot)
        self.assertEqual(tree.item_texts()[1], (1, name))
        self.assertCountEqual([text for depth, text in tree.item_texts() if depth == 2],
                              self.component_labels(menu_id))

    def test_clicking_the_ticked_menu_keeps_it(self):
        table = self.show_tab("Menüs")
        title = self.snapshot().title
        self.tick(table.rows[0])
        # Nothing is to happen: give the click the time a reaction would take.
        time.sleep(2)
        snapshot = self.snapshot()
        self.assertTrue(self.menu_table(snapshot).rows[0].checked)
        self.assertEqual(snapshot.title, title)


if __name__ == "__main__":
    unittest.main()
