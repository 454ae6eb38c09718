// Drop-down lists and editable combo boxes on real COMBOBOX controls: items, selection changes,
// and the keys Enter, Escape and Tab.
#include "awt/JovChoice.h"
#include "CapturedOutput.h"
#include "WidgetTest.h"
#include "awt/JovComboBox.h"
#include "awt/JovTextField.h"

#include <gtest/gtest.h>

class JovChoiceTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        choice = new JovChoice;
        for (const char* item : {"Heute", "Morgen", "Datum"}) {
            choice->addItem(item);
        }
        choice->select(1);
        choice->addActionListener(&log);
    }
    // What the control sends when the user picks index in the list.
    void pick(HWND window, int index) {
        SendMessageA(window, CB_SETCURSEL, index, 0);
        SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(window));
    }

    JovChoice* choice = nullptr;
};

TEST_F(JovChoiceTest, ItemsAndSelectionAreCopiedIntoTheControl) {
    HWND window = place(choice, 10, 10, 150, 24);
    EXPECT_EQ(styleOf(window) & CBS_DROPDOWNLIST, CBS_DROPDOWNLIST);
    EXPECT_EQ(SendMessageA(window, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageA(window, CB_GETCURSEL, 0, 0), 1);
    choice->addItem("Nie");
    EXPECT_EQ(SendMessageA(window, CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(log.entries, Entries{}) << "selecting in code is no action";
}

TEST_F(JovChoiceTest, TabIsReportedAndKeepsTheFocus) {
    HWND window = place(choice, 10, 10, 150, 24);
    place(new JovTextField, 10, 50, 150, 24);
    SetFocus(window);
    EXPECT_NE(outputOf([&] { pressKey(window, VK_TAB); }).find("Tab pressed"), std::string::npos);
    EXPECT_EQ(GetFocus(), window);
}

TEST_F(JovChoiceTest, RemovingItemsKeepsTheSelectionOnItsItem) {
    choice->removeItemAt(0);
    EXPECT_EQ(choice->getSelectedItem(), JovString("Morgen"));
    choice->removeItemAt(7);
    EXPECT_EQ(choice->getItemCount(), 2);
    choice->removeItemAt(0);
    EXPECT_EQ(choice->getSelectedIndex(), JovChoice::NO_SELECTION);
    EXPECT_EQ(choice->getSelectedItem(), JovString());
    choice->select(5);
    EXPECT_EQ(choice->getSelectedIndex(), JovChoice::NO_SELECTION);
    delete choice;
}

class JovComboBoxTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        comboBox = new JovComboBox;
        comboBox->addItem("Apfel");
        comboBox->addItem("Birne");
        comboBox->setText("Ap");
        comboBox->addActionListener(&log);
        comboBox->addDocumentListener(&log);
    }
    HWND editOf(HWND window) { return FindWindowExA(window, nullptr, "EDIT", nullptr); }

    JovComboBox* comboBox = nullptr;
};

TEST_F(JovComboBoxTest, ShowsItsTextAndTypingIsADocumentEventWithTheWholeText) {
    HWND window = place(comboBox, 10, 10, 150, 24);
    EXPECT_EQ(styleOf(window) & CBS_DROPDOWNLIST, CBS_DROPDOWN);
    EXPECT_EQ(windowText(window), "Ap");
    HWND edit = editOf(window);
    ASSERT_NE(edit, nullptr);
    SendMessageA(edit, EM_SETSEL, 2, 2);
    type(edit, "f");
    EXPECT_EQ(log.entries, (Entries{"document Apf"}));
    EXPECT_EQ(comboBox->getText(), JovString("Apf"));
}

TEST_F(JovComboBoxTest, EnterInTheEditFieldIsReturnPressedAndTabMovesTheFocusOn) {
    HWND window = place(comboBox, 10, 10, 150, 24);
    HWND next = place(new JovTextField, 10, 50, 150, 24);
    HWND edit = editOf(window);
    SetFocus(edit);
    pressKey(edit, VK_RETURN);
    pressKey(edit, VK_ESCAPE);
    EXPECT_EQ(log.entries, (Entries{"action returnPressed"}));
    pressKey(edit, VK_TAB);
    EXPECT_EQ(GetFocus(), next);
}

TEST_F(JovComboBoxTest, AChoiceFromTheListIsTheTextAndSurvivesTheControl) {
    HWND window = place(comboBox, 10, 10, 150, 24);
    SendMessageA(window, CB_SETCURSEL, 1, 0);
    EXPECT_EQ(comboBox->getText(), JovString("Birne"));
    comboBox->addRef();
    frame->remove(comboBox);
    EXPECT_EQ(comboBox->getText(), JovString("Birne"));
    comboBox->release();
}
