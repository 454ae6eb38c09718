#include "MainWindowTest.h"

#include "UserSteps.h"
#include "app/MainFrame.h"
#include "app/model/MealsDatabase.h"
#include "sql/Connection.h"
#include "sql/DriverManager.h"
#include "sql/ResultSet.h"
#include "sql/Statement.h"
#include "util/JovResourceBundle.h"

#include <vector>

int MainWindowTest::keptPerConnection = 0;

void MainWindowTest::SetUpTestSuite() {
    ToolkitTest::SetUpTestSuite();
    // The library keeps the menu table's file of column titles for the whole process.
    JovResourceBundle::getBundle("properties/text");
    // The first connection also makes the driver manager; the second is what each frame adds.
    for (int opened = 0; opened < 2; ++opened) {
        const int before = JovObject::liveObjectCount();
        DriverManager::getConnection(MealsDatabase::dataSourceName, JovString(), JovString())
            ->disconnect();
        keptPerConnection = JovObject::liveObjectCount() - before;
    }
}

void MainWindowTest::SetUp() {
    ToolkitTest::SetUp();
    frame = new MainFrame;
    frame->show();
    pumpFor(50);
    for (const char* table : {"Mengen", "Anteile", "Zutaten", "Menues"}) {
        execute(std::string("DELETE * FROM ") + table + ";");
    }
}

void MainWindowTest::TearDown() {
    if (MainFrame::isSetupMode()) {
        switchSetupMode(false);
    }
    frame->dispose();
    keepForProcess(keptPerConnection);
    ToolkitTest::TearDown();
}

void MainWindowTest::execute(const std::string& sql) const {
    Statement* statement = frame->getConnection()->createStatement();
    statement->executeUpdate(sql.c_str());
    statement->close();
}

int MainWindowTest::count(const std::string& sql) const {
    Statement* statement = frame->getConnection()->createStatement();
    ResultSet* rows = statement->executeQuery(sql.c_str());
    int found = 0;
    while (rows != nullptr && rows->next()) {
        ++found;
    }
    statement->close();
    return found;
}

void MainWindowTest::switchSetupMode(bool enter) {
    std::vector<UserSteps::Step> steps;
    if (enter) {
        steps.push_back([] { UserSteps::typing(GetFocus(), "tessmolin")(); });
    }
    steps.push_back(UserSteps::pressing(VK_RETURN));
    UserSteps user(nullptr, steps);
    frame->setSetupMode(enter, false);
}
