// Fixture for tests inside the real main window: the frame opened on the tests' database (there
// the data source "meals" is this build tree's test database), emptied tables, statements for the
// rows a test needs, and the switch into and out of setup mode as a user makes it.
#pragma once

#include "ToolkitTest.h"

#include <string>

class MainFrame;

class MainWindowTest : public ToolkitTest {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    void execute(const std::string& sql) const;
    // How many rows the query yields.
    int count(const std::string& sql) const;
    // Types the demo password or confirms leaving, as the password dialog asks.
    void switchSetupMode(bool enter);

    MainFrame* frame = nullptr;

private:
    // What one more connection leaves in the driver manager, which keeps every one it opened.
    static int keptPerConnection;
};
