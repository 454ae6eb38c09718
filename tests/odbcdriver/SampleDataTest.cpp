// The sample data of data/sample.sql as the program reads it: every reference names a row, the
// shares of a composed ingredient make up the whole, and no composition contains itself.
#include "AdapterDatabaseTest.h"
#include "OdbcStatement.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

namespace {
constexpr double shareTolerance = 1e-9;
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

    static std::unique_ptr<TempFolder> folder;
    static std::unique_ptr<OdbcSession> session;
};

std::unique_ptr<TempFolder> SampleDataTest::folder;
std::unique_ptr<OdbcSession> SampleDataTest::session;

TEST_F(SampleDataTest, EveryReferenceNamesAnExistingRow) {
    OdbcStatement statement(*session);
    ASSERT_EQ(statement.execute("SELECT count(*) FROM Anteile WHERE Kind NOT IN (SELECT ID FROM "
                                "Zutaten) OR Eltern NOT IN (SELECT ID FROM Zutaten) UNION ALL "
                                "SELECT count(*) FROM Mengen WHERE Kind NOT IN (SELECT ID FROM "
                                "Zutaten) OR Eltern NOT IN (SELECT ID FROM Menues)"),
              SQL_SUCCESS);
    while (statement.fetch()) {
        EXPECT_EQ(statement.integer(1), 0);
    }
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
    EXPECT_GT(composed, 0);
}

TEST_F(SampleDataTest, CompositionsAreFreeOfCycles) {
    OdbcStatement statement(*session);
    ASSERT_EQ(statement.execute("SELECT Eltern, Kind FROM Anteile"), SQL_SUCCESS);
    std::map<int, std::vector<int>> children;
    while (statement.fetch()) {
        children[statement.integer(1)].push_back(statement.integer(2));
    }
    // Walks down from every composed ingredient; meeting one on its own path is a cycle.
    std::set<int> path;
    std::function<void(int)> descend = [&](int id) {
        if (!path.insert(id).second) {
            ADD_FAILURE() << "composition cycle through " << id;
            return;
        }
        if (const auto found = children.find(id); found != children.end()) {
            for (const int child : found->second) {
                descend(child);
            }
        }
        path.erase(id);
    };
    for (const auto& [parent, components] : children) {
        descend(parent);
    }
}
