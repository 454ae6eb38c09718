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
    using Step = UserSteps::Step;

    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    Connection* getConnection() const override { return connection; }

    // Shows dialog modally while the user takes steps, then disposes it; answers its result.
    static bool run(FormDialog* dialog, std::vector<Step> steps);
    // Clicks "OK" and expects an error box with title and text.
    static Step refusal(FormDialog* dialog, const char* title, const std::string& text);
    static Step typing(const JovComponent* field, const std::string& text) {
        return UserSteps::typing(windowOf(field), text);
    }
    static Step pressing(WPARAM key) { return UserSteps::pressing(key); }
    static Step clicking(const JovComponent* button) {
        return UserSteps::clicking(windowOf(button));
    }
    // The text the window shows, and whether the field has the focus with its text selected.
    static std::string shown(const JovComponent* component) {
        return windowText(windowOf(component));
    }
    static bool focusedAndSelected(const JovTextField* field);

    JovFrame* owner = nullptr;

private:
    static Connection* connection;
};
