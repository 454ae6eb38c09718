// The sample data of data/sample.sql as the program reads it: complete, consistent compositions
// and every kind of row the label texts draw on.
#include "AdapterDatabaseTest.h"
#include "OdbcStatement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

namespace {
constexpr double shareTolerance = 1e-9;
constexpr int deepestNestingWanted = 3;
} // namespace

class SampleDataTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder = std::make_unique<TempFolder>();
        const std::string path = folder->file("sample.mdb");
        ASSERT_EQ(AdapterDatabaseTest::createDatabase(path, "--sample"), 0);
        session = std::make_unique<OdbcSession>();
        ASSERT_EQ(session->connectFile(path), SQL_SUCCESS);
    }

    static void TearDownTestSuite() {
        session.reset();
        folder.reset();
    }

    // The values of the first column of every row, as text.
    static std::vector<std::string> column(const std::string& query) {
        OdbcStatement statement(*session);
        EXPECT_EQ(statement.execute(query), SQL_SUCCESS) << query;
        std::vector<std::string> values;
        while (statement.fetch()) {
            values.push_back(statement.text(1));
        }
        return values;
    }

    static int count(const std::string& query) { return std::stoi(column(query).at(0)); }

    // Composed ingredient -> its components, from Anteile.
    static std::map<int, std::vector<int>> compositions() {
        OdbcStatement statement(*session);
        EXPECT_EQ(statement.execute("SELECT Eltern, Kind FROM Anteile"), SQL_SUCCESS);
        std::map<int, std::vector<int>> children;
        while (statement.fetch()) {
            children[statement.integer(1)].push_back(statement.integer(2));
        }
        return children;
    }

    static std::unique_ptr<TempFolder> folder;
    static std::unique_ptr<OdbcSession> session;
};

std::unique_ptr<TempFolder> SampleDataTest::folder;
std::unique_ptr<OdbcSession> SampleDataTest::session;

TEST_F(SampleDataTest, HoldsEnoughIngredientsAndMenus) {
    EXPECT_GE(count("SELECT count(*) FROM Zutaten"), 60);
    EXPECT_GE(count("SELECT count(*) FROM Menues WHERE ID <> 0"), 12);
    EXPECT_EQ(count("SELECT count(*) FROM Menues WHERE ID = 0"), 1);
    EXPECT_EQ(count("SELECT count(*) FROM Mengen WHERE Eltern = 0"), 0);
}

TEST_F(SampleDataTest, SharesOfEveryComposedIngredientAddUpToTheWhole) {
    OdbcStatement statement(*session);
    ASSERT_EQ(statement.execute("SELECT Eltern, sum(Anteil) FROM Anteile GROUP BY Eltern"),
              SQL_SUCCESS);
    int composed = 0;
    while (statement.fetch()) {
        ++composed;
        EXPECT_NEAR(statement.number(2), 1.0, shareTolerance) << "Eltern " << statement.integer(1);
    }
    EXPECT_GE(composed, 8);
}

TEST_F(SampleDataTest, EveryReferenceNamesAnExistingRow) {
    EXPECT_EQ(count("SELECT count(*) FROM Anteile WHERE Kind NOT IN (SELECT ID FROM Zutaten) "
                    "OR Eltern NOT IN (SELECT ID FROM Zutaten)"),
              0);
    EXPECT_EQ(count("SELECT count(*) FROM Mengen WHERE Kind NOT IN (SELECT ID FROM Zutaten) "
                    "OR Eltern NOT IN (SELECT ID FROM Menues)"),
              0);
}

TEST_F(SampleDataTest, CompositionsAreFreeOfCyclesAndReachThreeLevelsDeep) {
    const std::map<int, std::vector<int>> children = compositions();
    // Depth of composed ingredients below an ingredient; a cycle would recurse without end, so
    // the path is tracked and a repeat fails the test.
    std::set<int> path;
    std::function<int(int)> depth = [&](int id) -> int {
        const auto found = children.find(id);
        if (found == children.end()) {
            return 0;
        }
        EXPECT_TRUE(path.insert(id).second) << "composition cycle through " << id;
        int deepest = 0;
        for (const int child : found->second) {
            if (path.count(child) == 0) {
                deepest = std::max(deepest, depth(child));
            }
        }
        path.erase(id);
        return deepest + 1;
    };
    int deepest = 0;
    for (const auto& [parent, components] : children) {
        deepest = std::max(deepest, depth(parent));
    }
    EXPECT_GE(deepest, deepestNestingWanted);
}

TEST_F(SampleDataTest, AdditivesComeFromTheKnownClassesIncludingSugarAndSweetener) {
    const std::set<std::string> known = {"Farbstoff",
                                         "Konservierungsstoff",
                                         "Antioxidationsmittel",
                                         "Emulgator",
                                         "Verdickungsmittel",
                                         "Geliermittel",
                                         "Stabilisator",
                                         "Geschmacksverst\xE4rker",
                                         "S\xE4uerungsmittel",
                                         "S\xE4ureregulator",
                                         "Trennmittel",
                                         "modifizierte St\xE4rke",
                                         "S\xFC\xDFstoff",
                                         "Backtriebmittel",
                                         "Schaumverh\xFCter",
                                         "\xDC"
                                         "berzugsmittel",
                                         "Schmelzsalz",
                                         "Mehlbehandlungsmittel",
                                         "Festigungsmittel",
                                         "Feuchthaltemittel",
                                         "F\xFCllstoff",
                                         "Treibgas",
                                         "Zucker"};
    const std::vector<std::string> used =
        column("SELECT DISTINCT Klasse FROM Zutaten WHERE Klasse IS NOT NULL");
    for (const std::string& name : used) {
        EXPECT_EQ(known.count(name), 1u) << name;
    }
    EXPECT_GE(used.size(), 6u);
    const std::set<std::string> usedSet(used.begin(), used.end());
    EXPECT_EQ(usedSet.count("Zucker"), 1u);
    EXPECT_EQ(usedSet.count("S\xFC\xDFstoff"), 1u);
}

TEST_F(SampleDataTest, RowsCarryWhatTheLabelTextsDrawOn) {
    EXPECT_GE(count("SELECT count(*) FROM Zutaten WHERE fleischanteilAngeben"), 3);
    EXPECT_EQ(count("SELECT count(*) FROM Zutaten WHERE fleischanteilAngeben AND "
                    "(Fleischanteil <= 0 OR Fleischanteil > 1)"),
              0);
    EXPECT_EQ(count("SELECT count(*) FROM Zutaten WHERE Portion NOT IN ('he', 'ge', 'be')"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM Menues WHERE ID <> 0 AND ID NOT IN "
                    "(SELECT Eltern FROM Mengen WHERE imTitel)"),
              0);
    EXPECT_EQ(count("SELECT count(*) FROM Menues WHERE ID <> 0 AND (bw <= 0 OR kh <= 0)"), 0);
    EXPECT_GT(count("SELECT count(*) FROM Mengen WHERE imTitel AND wertgebend"), 0);
    EXPECT_GT(count("SELECT count(*) FROM Anteile WHERE wertgebend"), 0);
    EXPECT_GT(count("SELECT count(*) FROM Anteile WHERE mengeAufMenueBeziehen"), 0);
    EXPECT_GT(count("SELECT count(*) FROM Mengen WHERE veraenderlicheAnteile"), 0);
}
