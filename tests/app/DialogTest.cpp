#include "DialogTest.h"

#include "MessageBoxAnswerer.h"
#include "app/FormDialog.h"
#include "awt/JovButton.h"
#include "awt/JovFrame.h"
#include "awt/JovTextField.h"
#include "sql/Connection.h"
#include "sql/DriverManager.h"
#include "sql/Statement.h"

Connection* DialogTest::connection = nullptr;

void DialogTest::SetUpTestSuite() {
    ToolkitTest::SetUpTestSuite();
    if (connection == nullptr) {
        connection = DriverManager::getConnection("meals_test", JovString(), JovString());
    }
}

void DialogTest::SetUp() {
    for (const char* table : {"DELETE * FROM Zutaten;", "DELETE * FROM Menues;"}) {
        execute(table);
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

bool DialogTest::run(FormDialog* dialog, std::vector<UserSteps::Step> steps) {
    UserSteps user(windowOf(dialog), std::move(steps));
    dialog->show();
    const bool confirmed = dialog->isConfirmed();
    dialog->dispose();
    return confirmed;
}

std::string DialogTest::refusedWith(FormDialog* dialog, const char* title) {
    MessageBoxAnswerer user(title, IDOK);
    UserSteps::click(windowOf(dialog->getOkButton()));
    return user.answered() ? user.text() : std::string();
}

std::string DialogTest::shown(const JovComponent* component) {
    char text[512] = {};
    GetWindowTextA(windowOf(component), text, sizeof text);
    return text;
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

void DialogTest::execute(const char* sql) {
    Statement* statement = connection->createStatement();
    statement->executeUpdate(sql);
    statement->close();
}
