// The ingredient and menu tables of the real main window on the test database: the check boxes
// against the composition tree, deleting with its refusals and confirmations, the article numbers
// a new item is offered, the name column's picture and the search bar's history.
#include "MainWindowTest.h"
#include "MessageBoxAnswerer.h"
#include "UserSteps.h"
#include "app/CustomersPanel.h"
#include "app/MainFrame.h"
#include "app/MenuTree.h"
#include "app/MessagePanel.h"
#include "app/SearchPanel.h"
#include "app/model/Ingredient.h"
#include "app/model/Menu.h"
#include "awt/JovComboBox.h"
#include "awt/JovDefaultMutableTreeNode.h"
#include "awt/JovTable.h"
#include "awt/event/JovActionEvent.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int sauce = 10;
constexpr int cream = 11;
constexpr int rice = 14;
constexpr int riceMenu = 100;

constexpr const char* usedTitle = "Zutat wird verwendet...";
constexpr const char* deleteIngredientTitle = "Löschen einer Zutat bestätigen...";
constexpr const char* deleteMenuTitle = "Löschen eines Menüs bestätigen";

} // namespace

// Menu 100 holds Rahmsauce (of Sahne) and Reis; menus 200 and 300 are empty.
class TablePanelsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ingredients = frame->getIngredientPanel();
        menus = frame->getMenuPanel();
        tree = frame->getMenuTree();
        for (const auto& [id, name] : std::vector<std::pair<int, const char*>>{
                 {sauce, "Rahmsauce"}, {cream, "Sahne"}, {rice, "Reis"}}) {
            JovReference<Ingredient>(new Ingredient(name, id))->insert(frame->getConnection());
        }
        for (const auto& [id, name] : std::vector<std::pair<int, const char*>>{
                 {riceMenu, "Reis mit Rahmsauce"}, {200, "Nudeln"}, {300, "Suppe"}}) {
            JovReference<Menu>(new Menu(name, id))->insert(frame->getConnection());
        }
        execute("INSERT INTO Anteile (Eltern, Kind, Anteil) VALUES (10, 11, 0.5);");
        execute("INSERT INTO Mengen (Eltern, Kind, Fuellmenge) VALUES (100, 10, 200);");
        execute("INSERT INTO Mengen (Eltern, Kind, Fuellmenge) VALUES (100, 14, 150);");
        // The start's fill saw whatever the database held before.
        frame->setHighestIngredientId(0);
        frame->setHighestMenuId(0);
        menus->showSearchResult("*");
        menus->tickRow(0);
        ingredients->showSearchResult("*");
    }

    static void command(JovActionListener* panel, const char* name) {
        JovActionEvent event(nullptr, JovActionEvent::ACTION_PERFORMED, name);
        panel->actionPerformed(event);
    }
    // The ID texts of a table's rows, joined by ",".
    static std::string ids(JovTable* table) {
        std::string shown;
        for (int row = 0; row < table->getRowCount(); ++row) {
            shown += (row > 0 ? "," : "") + std::string(table->getCellText(row, 1).chars());
        }
        return shown;
    }
    static int rowOf(JovTable* table, int id) {
        for (int row = 0; row < table->getRowCount(); ++row) {
            if (table->getCellText(row, 1) == JovString::valueOf(id)) {
                return row;
            }
        }
        return -1;
    }
    JovDefaultMutableTreeNode* menuNode() { return tree->getRoot()->getChildAt(0); }
    JovDefaultMutableTreeNode* menuChild(int id) {
        for (int index = 0; index < menuNode()->getChildCount(); ++index) {
            JovDefaultMutableTreeNode* child = menuNode()->getChildAt(index);
            const auto* item = dynamic_cast<const Ingredient*>(child->getUserObject());
            if (item != nullptr && item->getId() == id) {
                return child;
            }
        }
        return nullptr;
    }

    CustomersPanel* ingredients = nullptr;
    MessagePanel* menus = nullptr;
    MenuTree* tree = nullptr;
};

TEST_F(TablePanelsTest, CheckBoxesShowTheDirectComponentsOfTheSelectedItem) {
    JovTable* table = ingredients->getTable();
    const auto marks = [&] {
        std::vector<bool> checked;
        for (int id : {sauce, cream, rice}) {
            checked.push_back(table->isChecked(rowOf(table, id)));
        }
        return checked;
    };
    const std::vector<bool> components{true, false, true};
    tree->setSelectedNode(menuNode());
    EXPECT_EQ(marks(), components) << "renewed by the selection";
    tree->setSelectedNode(tree->getRoot());
    EXPECT_EQ(marks(), (std::vector<bool>{false, false, false})) << "the root holds no ingredient";
    tree->setSelectedNode(menuNode());
    ingredients->updateCheckBoxes();
    EXPECT_EQ(marks(), components) << "renewed when the table asks";
}

TEST_F(TablePanelsTest, NameColumnShowsTheNameAndThePortionPictureLoadedOncePerKind) {
    execute("UPDATE Zutaten SET Portion = 'be' WHERE ID IN (10, 11);");
    ingredients->showSearchResult("*");
    JovTable* table = ingredients->getTable();
    JovImage* side = table->getCellImage(rowOf(table, sauce));
    JovImage* none = table->getCellImage(rowOf(table, rice));
    ASSERT_NE(side, nullptr);
    ASSERT_NE(none, nullptr) << "an ingredient without portion shows images/noicon.bmp";
    EXPECT_NE(side, none);
    EXPECT_EQ(table->getCellImage(rowOf(table, cream)), side);
    EXPECT_EQ(table->getCellText(rowOf(table, sauce), 0), JovString("Rahmsauce"));
}

TEST_F(TablePanelsTest, TickingIsRefusedInNormalModeAndWithoutATargetOrUnderItself) {
    JovTable* table = ingredients->getTable();
    tree->setSelectedNode(menuNode());
    EXPECT_FALSE(table->userChecked(rowOf(table, cream), true)) << "normal mode";

    switchSetupMode(true);
    struct Case {
        JovDefaultMutableTreeNode* selected;
        int ticked;
        const char* text;
    };
    const Case cases[] = {
        {tree->getRoot(), cream,
         "Sie können Zutaten nur zu Menüs oder Zutaten hinzufügen.\nBitte wählen Sie das Menü "
         "oder eine Zutat im Baumdiagramm aus."},
        {menuChild(sauce), sauce,
         "Die Zutat 'Rahmsauce' (Art.-Nr.: 10)\nkann nicht zu sich selbst hinzugefügt werden."},
    };
    for (const Case& test : cases) {
        tree->setSelectedNode(test.selected);
        MessageBoxAnswerer user("Zutat hinzufügen...", IDOK);
        EXPECT_FALSE(table->userChecked(rowOf(table, test.ticked), true));
        EXPECT_TRUE(user.answered());
        EXPECT_EQ(user.text(), test.text);
        EXPECT_FALSE(table->isChecked(rowOf(table, test.ticked)));
    }
    EXPECT_FALSE(tree->isModified());
}

TEST_F(TablePanelsTest, TickingWithTheMenuSelectedAddsTheIngredientWithTheDialogsWeight) {
    switchSetupMode(true);
    JovTable* table = ingredients->getTable();
    tree->setSelectedNode(menuNode());
    UserSteps user(nullptr,
                   {[] { UserSteps::typing(GetFocus(), "75")(); }, UserSteps::pressing(VK_RETURN)});
    EXPECT_TRUE(table->userChecked(rowOf(table, cream), true));
    EXPECT_TRUE(table->isChecked(rowOf(table, cream)));
    EXPECT_TRUE(tree->isModified());
    EXPECT_EQ(menuNode()->getChildCount(), 3);
}

TEST_F(TablePanelsTest, AnIngredientUsedInSharesOrFillsIsNotDeleted) {
    JovTable* table = ingredients->getTable();
    for (int used : {cream, rice}) {
        table->setSelectedRow(rowOf(table, used));
        MessageBoxAnswerer user(usedTitle, IDOK);
        command(ingredients, "delete");
        EXPECT_TRUE(user.answered()) << used;
        EXPECT_EQ(count("SELECT * FROM Zutaten WHERE ID = " + std::to_string(used) + ";"), 1);
    }
    EXPECT_EQ(ids(table), "10,11,14");
}

TEST_F(TablePanelsTest, DeletingTheHighestIngredientOffersItsNumberToTheNextNewOne) {
    execute("DELETE * FROM Mengen;");
    execute("DELETE * FROM Anteile;");
    JovTable* table = ingredients->getTable();
    table->setSelectedRow(rowOf(table, rice));
    {
        MessageBoxAnswerer user(deleteIngredientTitle, IDYES);
        command(ingredients, "delete");
        EXPECT_EQ(user.text(), "Sind Sie sicher, dass Sie die Zutat\n\n'Reis' (Art.-Nr.: 14)"
                               "\n\nunwiderruflich löschen wollen?");
    }
    table->setSelectedRow(rowOf(table, sauce));
    {
        MessageBoxAnswerer user(deleteIngredientTitle, IDYES);
        command(ingredients, "delete");
    }
    EXPECT_EQ(ids(table), "11");
    EXPECT_EQ(count("SELECT * FROM Zutaten;"), 1);
    EXPECT_EQ(frame->getHighestIngredientId(), 13);

    std::string offered;
    UserSteps user(nullptr, {[&offered] { offered = windowText(GetFocus()); },
                             UserSteps::pressing(VK_ESCAPE)});
    command(ingredients, "new");
    EXPECT_EQ(offered, "14");
    EXPECT_EQ(frame->getHighestIngredientId(), 13) << "a cancelled new ingredient gives it back";
}

TEST_F(TablePanelsTest, DeletingTheTickedMenuLoadsTheFirstRemainingOne) {
    JovTable* table = menus->getTable();
    for (int expected : {200, 300}) {
        table->setSelectedRow(menus->getTickedRow());
        MessageBoxAnswerer user(deleteMenuTitle, IDYES);
        command(menus, "delete");
        EXPECT_TRUE(user.answered());
        EXPECT_EQ(menus->getTickedMenuId(), expected);
        EXPECT_EQ(tree->getLoadedMenuId(), expected);
        EXPECT_TRUE(table->isChecked(0));
    }
    EXPECT_EQ(count("SELECT * FROM Mengen;"), 0) << "the deleted menu's fills go with it";

    table->setSelectedRow(0);
    MessageBoxAnswerer user(deleteMenuTitle, IDYES);
    command(menus, "delete");
    EXPECT_EQ(table->getRowCount(), 0);
    EXPECT_EQ(menus->getTickedRow(), -1);
    EXPECT_EQ(tree->getRoot()->getChildCount(), 0);
    menus->tickRow(0);
    EXPECT_EQ(menus->getTickedRow(), -1) << "an empty table has no row to tick";
}

TEST_F(TablePanelsTest, ClearingTheTickIsRefusedAndTickingAnotherRowMovesIt) {
    JovTable* table = menus->getTable();
    EXPECT_FALSE(table->userChecked(0, false));
    EXPECT_TRUE(table->isChecked(0));
    table->userChecked(2, true);
    EXPECT_EQ(menus->getTickedMenuId(), 300);
    EXPECT_FALSE(table->isChecked(0));
    EXPECT_TRUE(table->isChecked(2));
    menus->showSearchResult("3");
    EXPECT_EQ(ids(table), "300");
    EXPECT_TRUE(table->isChecked(0)) << "a refill ticks the loaded menu wherever it lands";
}

TEST_F(TablePanelsTest, EnterKeepsEachSearchTermOnceInTheHistory) {
    SearchPanel* search = ingredients->getSearchPanel();
    JovComboBox* field = search->getSearchField();
    for (const char* term : {"Reis", "Sahne", "Reis"}) {
        field->setText(term);
        JovActionEvent enter(field, JovActionEvent::ACTION_PERFORMED, JovComboBox::RETURN_PRESSED);
        search->actionPerformed(enter);
    }
    ASSERT_EQ(field->getItemCount(), 2);
    EXPECT_EQ(field->getItem(1), JovString("Sahne"));
}
