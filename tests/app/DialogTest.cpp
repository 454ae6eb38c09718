#include "DialogTest.h"

#include "MessageBoxAnswerer.h"
#include "app/FormDialog.h"
#include "awt/JovButton.h"
#include "awt/JovTextField.h"
#include "sql/Connection.h"
#include "sql/DriverManager.h"
#include "sql/Statement.h"

#include <gtest/gtest.h>

Connection* DialogTest::connection = nullptr;

void DialogTest::SetUpTestSuite() {
    ToolkitTest::SetUpTestSuite();
    if (connection == nullptr) {
        connection = DriverManager::getConnection("meals_test", JovString(), JovString());
    }
}

void DialogTest::SetUp() {
    for (const char* sql : {"DELETE * FROM Zutaten;", "DELETE * FROM Menues;"}) {
        Statement* statement = connection->createStatement();
        statement->executeUpdate(sql);
        statement->close();
    }
    ToolkitTest::SetUp();
    owner = new JovFrame("Kalvenora - Etikett");
    owner->setBounds(40, 40, 700, 500);
    owner->show();
}

void DialogTest::TearDown() {
    owner->dispose();
    ToolkitTest::TearDown();
}

bool DialogTest::run(FormDialog* dialog, std::vector<Step> steps) {
    UserSteps user(windowOf(dialog), std::move(steps));
    dialog->show();
    const bool confirmed = dialog->isConfirmed();
    dialog->dispose();
    return confirmed;
}

UserSteps::Step DialogTest::refusal(FormDialog* dialog, const char* title,
                                    const std::string& text) {
    return [dialog, title, text] {
        MessageBoxAnswerer user(title, IDOK);
        UserSteps::clicking(windowOf(dialog->getOkButton()))();
        EXPECT_TRUE(user.answered()) << title;
        EXPECT_EQ(user.text(), text);
    };
}

bool DialogTest::focusedAndSelected(const JovTextField* field) {
    HWND window = windowOf(field);
    DWORD start = 1;
    DWORD end = 0;
    SendMessageA(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return GetFocus() == window && start == 0 &&
           static_cast<int>(end) == GetWindowTextLengthA(window);
}
