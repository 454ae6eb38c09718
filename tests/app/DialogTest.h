// Fixture for the editing dialogs: an owner frame on real windows, the empty test database behind
// the connection the dialogs test new article numbers with, and a user driving the open dialog.
#pragma once

#include "ToolkitTest.h"
#include "UserSteps.h"
#include "app/model/ConnectionOwner.h"
#include "awt/JovFrame.h"

#include <string>
#include <vector>

class FormDialog;
class JovTextField;

class DialogTest : public ToolkitTest, public ConnectionOwner {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    Connection* getConnection() const override { return connection; }

    // Shows dialog modally while the user takes steps, then disposes it; answers its result.
    bool run(FormDialog* dialog, std::vector<UserSteps::Step> steps);
    // Clicks "OK" and answers the text of the error box titled title ("" when none came).
    static std::string refusedWith(FormDialog* dialog, const char* title);
    // The text the window shows, and whether the field has the focus with its text selected.
    static std::string shown(const JovComponent* component);
    static bool focusedAndSelected(const JovTextField* field);
    // Runs one statement on the test database.
    static void execute(const char* sql);

    JovFrame* owner = nullptr;

private:
    static Connection* connection;
};
