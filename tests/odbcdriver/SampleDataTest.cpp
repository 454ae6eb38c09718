// The sample data of data/sample.sql as the program reads it: every reference names a row and the
// shares of a composed ingredient make up the whole. Cycles would stop the label text tool's run
// over every menu.
#include "AdapterDatabaseTest.h"
#include "OdbcStatement.h"

#include <gtest/gtest.h>

#include <memory>

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
