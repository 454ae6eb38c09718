// The composition tree of the real main window on the test database: the self-containment test,
// removing, the save question, saving and reloading, "Menü speichern unter..." and the popup.
#include "app/MenuTree.h"
#include "MainWindowTest.h"
#include "MessageBoxAnswerer.h"
#include "UserSteps.h"
#include "app/MainFrame.h"
#include "app/MessagePanel.h"
#include "app/model/Ingredient.h"
#include "app/model/Menu.h"
#include "app/model/StatementValue.h"
#include "awt/JovDefaultMutableTreeNode.h"
#include "awt/JovMenuItem.h"
#include "awt/JovPopupMenu.h"
#include "awt/JovTable.h"
#include "awt/event/JovActionEvent.h"
#include "awt/event/JovMouseEvent.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int sauce = 10;
constexpr int cream = 11;
constexpr int stock = 12;
constexpr int bones = 13;
constexpr int rice = 14;
constexpr int menuId = 100;

} // namespace

// Menu 100: Rahmsauce 200 g (Sahne 0.5, Fond 0.25 with Knochen 1.5 of it) and Reis 150 g.
class MenuTreeTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        tree = frame->getMenuTree();
        const std::vector<std::pair<int, const char*>> ingredients = {{sauce, "Rahmsauce"},
                                                                      {cream, "Sahne"},
                                                                      {stock, "Fond"},
                                                                      {bones, "Knochen"},
                                                                      {rice, "Reis"}};
        for (const auto& [id, name] : ingredients) {
            JovReference<Ingredient>(new Ingredient(name, id))->insert(frame->getConnection());
        }
        JovReference<Menu>(new Menu("Reis mit Rahmsauce", menuId))->insert(frame->getConnection());
        share(sauce, cream, 0.5);
        share(sauce, stock, 0.25);
        share(stock, bones, 1.5);
        fill(menuId, sauce, 200);
        fill(menuId, rice, 150);
        load(menuId);
    }

    void share(int parent, int child, double part) {
        execute("INSERT INTO Anteile (Eltern, Kind, Anteil) VALUES (" + std::to_string(parent) +
                "," + std::to_string(child) + "," + StatementValue::decimal(part).chars() + ");");
    }
    void fill(int menu, int child, int grams) {
        execute("INSERT INTO Mengen (Eltern, Kind, Fuellmenge) VALUES (" + std::to_string(menu) +
                "," + std::to_string(child) + "," + std::to_string(grams) + ");");
    }
    void load(int id) {
        tree->removeTopLevelNodes();
        tree->loadMenu(id);
    }
    // The first node below node (the whole tree when null) holding the ingredient.
    JovDefaultMutableTreeNode* nodeOf(int id, JovDefaultMutableTreeNode* node = nullptr) {
        node = node != nullptr ? node : tree->getRoot();
        for (int index = 0; index < node->getChildCount(); ++index) {
            JovDefaultMutableTreeNode* child = node->getChildAt(index);
            const auto* item = dynamic_cast<const Ingredient*>(child->getUserObject());
            if (item != nullptr && item->getId() == id) {
                return child;
            }
            if (JovDefaultMutableTreeNode* below = nodeOf(id, child)) {
                return below;
            }
        }
        return nullptr;
    }
    JovDefaultMutableTreeNode* menuNode() { return tree->getRoot()->getChildAt(0); }
    void command(const char* name) {
        JovActionEvent event(tree, JovActionEvent::ACTION_PERFORMED, name);
        tree->actionPerformed(event);
    }
    // Opens the popup as a right click does; the menu is closed again by Escape.
    std::vector<bool> popupEnabling() {
        SetTimer(windowOf(frame), 1, 200, [](HWND window, UINT, UINT_PTR id, DWORD) {
            KillTimer(window, id);
            keybd_event(VK_ESCAPE, 0, 0, 0);
            keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
        });
        JovMouseEvent click(tree, JovMouseEvent::MOUSE_RELEASED, 0, 0, 5, 5, 1, true);
        tree->mouseReleased(click);
        std::vector<bool> enabled;
        for (int index = 0; index < tree->getPopupMenu()->getItemCount(); ++index) {
            const JovMenuItem* item = tree->getPopupMenu()->getItem(index);
            if (!item->isSeparator()) {
                enabled.push_back(item->isEnabled());
            }
        }
        return enabled;
    }

    MenuTree* tree = nullptr;
};

TEST_F(MenuTreeTest, AnIngredientMayNotComeUnderItselfDirectlyOrThroughItsStoredComposition) {
    // Brühe reaches Rahmsauce two levels down; Kreis and Ring contain each other.
    for (const auto& [id, name] : std::vector<std::pair<int, const char*>>{
             {20, "Brühe"}, {21, "Jus"}, {30, "Kreis"}, {31, "Ring"}}) {
        JovReference<Ingredient>(new Ingredient(name, id))->insert(frame->getConnection());
    }
    share(20, 21, 0.5);
    share(21, sauce, 0.5);
    share(30, 31, 0.5);
    share(31, 30, 0.5);
    struct Case {
        JovDefaultMutableTreeNode* selected;
        int added;
        bool refused;
    };
    const Case cases[] = {{nodeOf(stock), stock, true},   {nodeOf(stock), sauce, true},
                          {nodeOf(stock), 20, true},      {nodeOf(stock), 30, false},
                          {nodeOf(stock), rice, false},   {menuNode(), sauce, false},
                          {tree->getRoot(), sauce, false}};
    for (const Case& test : cases) {
        tree->setSelectedNode(test.selected);
        const Ingredient added("Zutat", test.added);
        EXPECT_EQ(tree->wouldContainItself(added), test.refused) << "adding " << test.added;
    }
    share(31, stock, 0.5);
    tree->setSelectedNode(nodeOf(bones));
    EXPECT_TRUE(tree->wouldContainItself(Ingredient("Kreis", 30)))
        << "the walk through a cycle still finds what lies beyond it";
}

TEST_F(MenuTreeTest, RemovingAsksFirstAndTakesOnlyTheFirstOccurrenceUnderTheParent) {
    fill(menuId, rice, 50);
    load(menuId);
    tree->setSelectedNode(menuNode());
    const Ingredient riceItem("Reis", rice);
    {
        MessageBoxAnswerer user("Löschen einer Zutat bestätigen...", IDNO);
        EXPECT_FALSE(tree->remove(riceItem));
        EXPECT_TRUE(user.answered());
        EXPECT_EQ(user.text(), "Sind Sie sicher, dass Sie die Zutat\n\n'Reis' (Art.-Nr.: 14)\n\n"
                               "aus dem Menü 'Reis mit Rahmsauce' löschen wollen?");
    }
    EXPECT_EQ(menuNode()->getChildCount(), 3);
    EXPECT_FALSE(tree->isModified());

    MessageBoxAnswerer user("Löschen einer Zutat bestätigen...", IDYES);
    EXPECT_TRUE(tree->remove(riceItem));
    EXPECT_TRUE(user.answered());
    ASSERT_EQ(menuNode()->getChildCount(), 2);
    const auto* left = dynamic_cast<const Ingredient*>(nodeOf(rice)->getUserObject());
    EXPECT_DOUBLE_EQ(left->getAmount(), 50.0);
    EXPECT_TRUE(tree->isModified());
    EXPECT_TRUE(tree->isComponentsModified());
}

TEST_F(MenuTreeTest, TheSaveQuestionNamesTheMenuAndClearsBothFlagsWhateverTheAnswer) {
    tree->setSelectedNode(nodeOf(sauce));
    ASSERT_TRUE(tree->add(new Ingredient("Reis", rice)));
    EXPECT_TRUE(tree->isModified());
    EXPECT_TRUE(tree->isComponentsModified());

    MessageBoxAnswerer user("Struktur speichern...", IDNO);
    EXPECT_EQ(tree->askToSave(false), menuId);
    EXPECT_TRUE(user.answered());
    EXPECT_EQ(user.text(), "Sie haben die Zusammenstellung des Menüs\n'Reis mit Rahmsauce' "
                           "(Art.-Nr.: 100)\noder von darin enthaltenen Zutatengruppen "
                           "verändert.\n\nWollen Sie die Änderungen speichern?");
    EXPECT_FALSE(tree->isModified());
    EXPECT_FALSE(tree->isComponentsModified());
    EXPECT_EQ(count("SELECT * FROM Anteile WHERE Eltern = 10;"), 2) << "nothing was stored";
}

TEST_F(MenuTreeTest, TheScratchMenuIsAskedAboutOnlyWhenExplicitAndComponentsChanged) {
    JovReference<Menu>(new Menu("Entwurf", Menu::reservedId))->insert(frame->getConnection());
    fill(Menu::reservedId, sauce, 100);
    load(Menu::reservedId);
    EXPECT_EQ(tree->askToSave(true), 0) << "nothing changed, nothing asked";

    tree->setSelectedNode(nodeOf(sauce));
    ASSERT_TRUE(tree->add(new Ingredient("Reis", rice)));
    MessageBoxAnswerer user("Struktur speichern...", IDYES);
    EXPECT_EQ(tree->askToSave(true), Menu::reservedId);
    EXPECT_TRUE(user.answered());
    EXPECT_EQ(user.text(), "Sie haben die Zusammenstellung einzelner Zutaten verändert.");
    EXPECT_EQ(count("SELECT * FROM Anteile WHERE Eltern = 10 AND Kind = 14;"), 1);
    EXPECT_EQ(count("SELECT * FROM Mengen WHERE Eltern = 0;"), 0)
        << "the scratch menu keeps no fill quantities";
}

TEST_F(MenuTreeTest, SavedStructureIsWhatTheReloadedTreeShows) {
    tree->setSelectedNode(nodeOf(sauce));
    auto* added = new Ingredient("Reis", rice);
    added->setAmount(40.0);
    ASSERT_TRUE(tree->add(added));
    MessageBoxAnswerer user("Struktur speichern...", IDYES);
    command("save");
    EXPECT_TRUE(user.answered());

    EXPECT_EQ(count("SELECT * FROM Anteile WHERE Eltern = 10;"), 3);
    EXPECT_EQ(count("SELECT * FROM Mengen WHERE Eltern = 100 AND Kind = 10 AND Fuellmenge = 215;"),
              1)
        << "the sauce weighs its components: 100, the Fond's 75 and 40";
    EXPECT_EQ(nodeOf(sauce)->getChildCount(), 3);
    EXPECT_NE(nodeOf(rice, nodeOf(sauce)), nullptr);
    EXPECT_FALSE(tree->isModified());
}

TEST_F(MenuTreeTest, RemainingShareIsWhatTheComponentsLeaveOfTheSelectedItem) {
    struct Case {
        JovDefaultMutableTreeNode* selected;
        double remaining;
    };
    // Rahmsauce 200 g holds 100 + 50; Fond 50 g holds 75 (more than itself).
    for (const Case& test :
         {Case{menuNode(), 100.0}, Case{nodeOf(sauce), 50.0}, Case{nodeOf(stock), 0.0},
          Case{nodeOf(rice), 150.0}, Case{tree->getRoot(), 0.0}}) {
        tree->setSelectedNode(test.selected);
        EXPECT_DOUBLE_EQ(tree->remainingShare(), test.remaining)
            << test.selected->toString().chars();
    }
}

TEST_F(MenuTreeTest, CancellingSaveAsLeavesTheNextMenuNumberAndTheMenuTable) {
    const int highest = frame->getHighestMenuId();
    const int rows = frame->getMenuPanel()->getTable()->getRowCount();
    UserSteps user(nullptr, {UserSteps::pressing(VK_ESCAPE)});
    command("saveAs");
    EXPECT_EQ(frame->getHighestMenuId(), highest);
    EXPECT_EQ(frame->getMenuPanel()->getTable()->getRowCount(), rows);
    EXPECT_EQ(count("SELECT * FROM Menues;"), 1);
}

TEST_F(MenuTreeTest, SaveAsStoresTheShownCompositionUnderTheNewMenuAndLoadsIt) {
    const int newId = frame->getHighestMenuId() + 1;
    UserSteps user(nullptr, {UserSteps::pressing(VK_TAB),
                             [] { UserSteps::typing(GetFocus(), "Reis mit Sauce")(); },
                             UserSteps::pressing(VK_RETURN)});
    command("saveAs");
    EXPECT_EQ(count("SELECT * FROM Menues WHERE ID = " + std::to_string(newId) + ";"), 1);
    EXPECT_EQ(count("SELECT * FROM Mengen WHERE Eltern = " + std::to_string(newId) + ";"), 2);
    EXPECT_EQ(tree->getLoadedMenuId(), newId);
    EXPECT_EQ(frame->getMenuPanel()->getTickedMenuId(), newId);
}

TEST_F(MenuTreeTest, PopupEntriesFollowTheModeTheSelectionAndTheChangedComponents) {
    tree->setSelectedNode(nodeOf(cream));
    EXPECT_EQ(popupEnabling(), (std::vector<bool>{false, false, false, false}))
        << "normal mode disables every entry";

    switchSetupMode(true);
    ASSERT_TRUE(MainFrame::isSetupMode());
    load(menuId);
    tree->setSelectedNode(nodeOf(cream));
    EXPECT_EQ(popupEnabling(), (std::vector<bool>{true, true, false, true}));
    tree->setSelectedNode(tree->getRoot());
    EXPECT_EQ(popupEnabling(), (std::vector<bool>{false, false, false, true}));
    tree->setSelectedNode(nodeOf(sauce));
    ASSERT_TRUE(tree->add(new Ingredient("Reis", rice)));
    EXPECT_EQ(popupEnabling(), (std::vector<bool>{true, true, true, true}));

    MessageBoxAnswerer user("Struktur speichern...", IDNO);
    tree->askToSave(true);
    EXPECT_TRUE(user.answered());
    switchSetupMode(false);
    EXPECT_FALSE(MainFrame::isSetupMode());
}

TEST_F(MenuTreeTest, AnEditedOccurrenceIsOfferedForSavingLikeAnAddedOne) {
    tree->setSelectedNode(nodeOf(cream));
    UserSteps user(nullptr, {UserSteps::pressing(VK_RETURN)});
    command("edit");
    EXPECT_TRUE(tree->isModified());
    EXPECT_TRUE(tree->isComponentsModified()) << "the cream sits in the composed sauce";
}
