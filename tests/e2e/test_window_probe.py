"""The window probe and the input plumbing on the widget gallery, whose content is fixed."""

import unittest

from driver import GALLERY, Program, WorkFolder

TITLE = "Widget-Galerie"
INGREDIENT_COLUMNS = ("Name", "Art.-Nr.", "Klasse", "Verkehrsbezeichnung")
MENU_COLUMNS = ("Name", "Art.-Nr.", "Verkehrsbezeichnung")


class WindowProbeTest(unittest.TestCase):
    def setUp(self):
        self.folder = WorkFolder(with_database=False)
        self.addCleanup(self.folder.remove)
        self.program = Program(self.folder)
        self.addCleanup(self.program.kill)
        self.program.start(GALLERY)
        self.snapshot = self.program.wait_for_window(TITLE, timeout=60)

    def test_reads_tree_items_with_depth_selection_and_expansion(self):
        tree = self.snapshot.find("SysTreeView32")
        self.assertEqual(tree.item_texts()[:4], [(0, "Alle Zutaten"), (1, "Gulasch mit Nudeln"),
                                                 (2, "Gulasch"), (3, "Rindfleisch")])
        self.assertEqual([item.text for item in tree.items if item.selected], ["Gulasch"])
        self.assertTrue(tree.items[0].expanded)
        self.assertFalse(tree.items[3].expanded)

    def test_reads_rows_columns_tabs_and_combo_entries(self):
        table = self.snapshot.table(*INGREDIENT_COLUMNS)
        self.assertEqual([c.width for c in table.columns], [170, 70, 150, 260])
        self.assertEqual(table.rows[3].texts,
                         ["Kartoffelstärke", "1004", "Verdickungsmittel", "Kartoffelstärke"])
        self.assertEqual([row.checked for row in table.rows[:4]], [True, True, True, False])
        self.assertEqual([row.index for row in table.rows if row.selected], [1])
        tabs = self.snapshot.find("SysTabControl32").tabs
        self.assertEqual([(tab.text, tab.selected) for tab in tabs],
                         [("Zutaten", True), ("Menüs", False)])
        self.assertEqual(self.snapshot.find("ComboBox").entries, ["Name", "Art.-Nr.", "Klasse"])
        # The menu table lies on the hidden tab page.
        self.assertIsNone(self.snapshot.table(*MENU_COLUMNS))
        self.assertEqual(len(self.snapshot.find_all("SysListView32", visible=None)), 2)

    def test_clicks_at_reported_points_reach_the_controls(self):
        table = self.snapshot.table(*INGREDIENT_COLUMNS)
        self.program.click(table.rows[3].check_box)
        self.program.wait_until(
            lambda: self.program.probe(TITLE).table(*INGREDIENT_COLUMNS).rows[3].checked,
            "the clicked check box is ticked")
        self.program.click(self.snapshot.find("SysTabControl32").tab_named("Menüs").bounds.centre)
        menus = self.program.wait_until(
            lambda: self.program.probe(TITLE).table(*MENU_COLUMNS), "the menu page shows")
        self.assertEqual(menus.rows[1].texts[0], "Linseneintopf")

    def test_close_ends_the_program_in_order(self):
        self.assertEqual(self.program.close(TITLE), 0)
        self.assertFalse(self.program.probe(TITLE, top_only=True))


if __name__ == "__main__":
    unittest.main()
