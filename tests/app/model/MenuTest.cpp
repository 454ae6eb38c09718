// Menus through the real database chain: the statements that write, delete and look up Menues
// rows, with their number formats.
#include "app/model/Menu.h"
#include "CompositionTest.h"
#include "sql/ResultSet.h"

#include <gtest/gtest.h>

class MenuTest : public CompositionTest {
protected:
    static Menu* readMenu(int id) {
        Query row(connection, "SELECT * FROM Menues WHERE ID = " + JovString::valueOf(id) + ";");
        if (row.result == nullptr || !row.result->next()) {
            ADD_FAILURE() << "no Menues row " << id;
            return new Menu("", id);
        }
        return new Menu(*row.result);
    }
    static int rowsWhere(const char* condition) {
        return rowCount(JovString("SELECT * FROM Menues WHERE ") + condition + ";");
    }
};

TEST_F(MenuTest, NewMenuIsStoredWithAllNutritionValuesZeroAndFoundByNumberOnly) {
    Menu menu("<Neues Menü>", 120);
    menu.insert(connection);
    EXPECT_EQ(rowsWhere("ID = 120 AND Name = '<Neues Menü>' AND bw = 0 AND ew = 0 AND kh = 0 AND "
                        "zu = 0 AND fe = 0 AND gf = 0 AND ba = 0 AND na = 0 AND be = 0"),
              1);
    EXPECT_TRUE(Menu::exists("120", connection));
    EXPECT_FALSE(Menu::exists("121", connection));
    EXPECT_FALSE(Menu::exists("120;", connection));
}

TEST_F(MenuTest, NutritionValuesAreWrittenWithAPointInTheGermanLocale) {
    Menu menu("Spaghetti Bolognese", 105);
    menu.putDouble("fe", 3.25);
    menu.putDouble("bw", 1500000.0);
    menu.putDouble("kh", 12.5);
    menu.insert(connection);
    EXPECT_EQ(rowsWhere("ID = 105 AND fe = 3.25 AND bw = 1500000 AND kh = 12.5"), 1);

    JovReference<Menu> read(readMenu(105));
    read->putDouble("na", 0.29);
    read->put(JovString(AbstractMeal::nameKey), JovString("Oma's Bolognese"));
    read->update(connection);
    EXPECT_EQ(rowsWhere("ID = 105 AND na = 0.29 AND fe = 3.25 AND kh = 12.5"), 1);
    EXPECT_EQ(textsOf("SELECT * FROM Menues WHERE ID = 105;", "Name"), "Oma's Bolognese");
}

TEST_F(MenuTest, UpdateLeavesTheStoredSalesNameAlone) {
    ASSERT_GE(execute("INSERT INTO Menues (ID,Name,Verkehrsbezeichnung) VALUES "
                      "(101,'Hähnchen','Hähnchenbrust, Reis');"),
              0);
    JovReference<Menu> menu(readMenu(101));
    menu->setVerkehrsbezeichnung("anders");
    menu->update(connection);
    EXPECT_EQ(textsOf("SELECT * FROM Menues WHERE ID = 101;", "Verkehrsbezeichnung"),
              "Hähnchenbrust, Reis");
}

TEST_F(MenuTest, RemoveDeletesFillQuantitiesButNotTheIngredientsCompositions) {
    storeMenu(101, "Hähnchen");
    storeMenu(102, "Schnitzel");
    storeFills(101, {{1001, 160}, {5003, 100}});
    storeFills(102, {{5003, 80}});
    storeShares(5003, {{1033, 0.5}});
    JovReference<Menu> menu(readMenu(101));
    menu->remove(connection);
    EXPECT_EQ(rowCount("SELECT * FROM Menues WHERE ID = 101;"), 0);
    EXPECT_EQ(rowCount("SELECT * FROM Mengen WHERE Eltern = 101;"), 0);
    EXPECT_EQ(rowCount("SELECT * FROM Mengen WHERE Eltern = 102;"), 1);
    EXPECT_EQ(rowCount("SELECT * FROM Anteile WHERE Eltern = 5003;"), 1);
}
