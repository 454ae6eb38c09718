"""The search bars: "*" and "?" as wildcards in names and article numbers, digits, and a quote
searched like any other character."""

import re
import unittest

from driver import ProgramTestCase


def matching(rows, term):
    """IDs of the (ID, name) rows whose name or article number contains term, "*" standing for any
    run of characters and "?" for exactly one; letters compare regardless of case."""
    pieces = (".".join(re.escape(part) for part in run.split("?")) for run in term.split("*"))
    pattern = re.compile(".*".join(pieces), re.IGNORECASE)
    return [id for id, name in rows if pattern.search(name) or pattern.search(str(id))]


def shown_ids(table):
    # The reserved menu shows no article number.
    return [int(row.texts[1] or 0) for row in table.rows]


class SearchTest(ProgramTestCase):
    def test_ingredient_terms(self):
        ingredients = self.query("SELECT ID, Name FROM Zutaten ORDER BY ID")
        self.show_tab("Zutaten")
        for term in ("kn?bl", "H?hnchen*filet", "101", "*mehl", "*"):
            with self.subTest(term=term):
                expected = matching(ingredients, term)
                self.assertTrue(expected)
                self.search(term)
                self.wait_for(lambda s: shown_ids(self.ingredient_table(s)) == expected,
                              f"the ingredients matching '{term}' are listed")

    def test_menu_terms_never_list_the_reserved_menu(self):
        menus = self.query("SELECT ID, Name FROM Menues WHERE ID <> 0 ORDER BY ID")
        self.show_tab("Menüs")
        for term in ("schnitzel", "0", "1?3"):
            with self.subTest(term=term):
                expected = matching(menus, term)
                self.search(term)
                self.wait_for(lambda s: shown_ids(self.menu_table(s)) == expected,
                              f"the menus matching '{term}' are listed")

    def test_quote_is_searched_like_any_other_character(self):
        first = self.query("SELECT MIN(ID) FROM Zutaten")[0][0]
        self.query("UPDATE Zutaten SET Name = ? WHERE ID = ?", ("Omas's Senf", first))
        self.show_tab("Zutaten")
        self.search("as's S")
        self.wait_for(lambda s: shown_ids(self.ingredient_table(s)) == [first],
                      "the ingredient whose name holds the quote is listed")
        self.assertFalse(self.program.probe("...", top_only=True), "no message box")


if __name__ == "__main__":
    unittest.main()
