"""Closing in order and starting again: the window's place and size, the divider and the column
widths the user dragged come back from settings.ini."""

import unittest

from driver import ProgramTestCase

MOVE = (60, 40)
WIDER = 50


def layout(test, snapshot):
    """What a restart must bring back: the frame, the tree's width, the menu table's columns."""
    return (snapshot.tops[0].bounds, test.tree(snapshot).bounds.width,
            [column.width for column in test.menu_table(snapshot).columns])


class SettingsTest(ProgramTestCase):
    def test_dragged_layout_survives_a_restart(self):
        snapshot = self.snapshot()
        frame = snapshot.tops[0].bounds
        title_bar = (frame.left + 150, frame.top + 10)
        self.program.drag(title_bar, (title_bar[0] + MOVE[0], title_bar[1] + MOVE[1]))
        snapshot = self.wait_for(lambda s: s.tops[0].bounds.left == frame.left + MOVE[0] and s,
                                 "the window follows its title bar")

        tree = self.tree(snapshot).bounds
        divider = (tree.right + 2, (tree.top + tree.bottom) // 2)
        self.program.drag(divider, (divider[0] + WIDER, divider[1]))
        snapshot = self.wait_for(
            lambda s: self.tree(s).bounds.width >= tree.width + WIDER - 2 and s,
            "the divider follows the mouse")
        table = self.menu_table(snapshot)
        header = next(w for w in snapshot.find_all("SysHeader32")
                      if table.bounds.top <= w.bounds.top < table.bounds.top + 5)
        border = (header.bounds.left + table.columns[0].width, header.bounds.centre[1])
        self.program.drag(border, (border[0] + WIDER, border[1]))
        before = self.wait_for(
            lambda s: self.menu_table(s).columns[0].width >= table.columns[0].width + WIDER - 2
            and layout(self, s), "the column border follows the mouse")

        self.assertEqual(self.program.close(), 0)
        self.assertEqual(self.folder.settings()["MENU_TABLE_COLUMNS"].split()[0],
                         str(before[2][0]))
        self.program.start()
        # The restarted window may show for a moment at 0, 0 before it takes its stored place.
        self.wait_for(lambda s: layout(self, s) == before, "the restart brings the layout back")


if __name__ == "__main__":
    unittest.main()
