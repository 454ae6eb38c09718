// Enter and Escape in a modal dialog act on its enabled default and cancel buttons from any nested
// component.
#include "ToolkitTest.h"
#include "UserSteps.h"
#include "awt/JovButton.h"
#include "awt/JovCheckBox.h"
#include "awt/JovChoice.h"
#include "awt/JovDialog.h"
#include "awt/JovFlowLayout.h"
#include "awt/JovFrame.h"
#include "awt/JovPanel.h"
#include "awt/JovTextField.h"
#include "awt/event/JovActionListener.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

class Clicks : public JovActionListener {
public:
    void actionPerformed(JovActionEvent& event) override {
        commands.push_back(event.getActionCommand().chars());
    }
    std::vector<std::string> commands;
};

JovPanel* nested(JovComponent* inner) {
    auto* panel = new JovPanel;
    panel->setLayout(new JovFlowLayout);
    panel->add(inner);
    return panel;
}

} // namespace

// dialog: panel(panel(field, box, choice)), panel(panel(ok, cancel))
class JovDialogKeysTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        owner = new JovFrame("Besitzer");
        owner->setBounds(50, 50, 400, 300);
        owner->show();
        dialog = new JovDialog(owner, "Tasten...", true);
        auto* form = new JovPanel;
        form->setLayout(new JovFlowLayout);
        field = new JovTextField("Brot");
        box = new JovCheckBox("weiblich");
        choice = new JovChoice;
        choice->addItem("Hauptessen");
        for (JovComponent* component :
             {static_cast<JovComponent*>(field), static_cast<JovComponent*>(box),
              static_cast<JovComponent*>(choice)}) {
            form->add(component);
        }
        dialog->add(nested(form), JovString("Center"));
        ok = new JovButton("OK");
        cancel = new JovButton("Abbrechen");
        auto* buttons = new JovPanel;
        buttons->setLayout(new JovFlowLayout);
        buttons->add(ok);
        buttons->add(cancel);
        dialog->add(nested(buttons), JovString("South"));
        ok->addActionListener(&clicks);
        cancel->addActionListener(&clicks);
        dialog->setDefaultButton(ok);
        dialog->setCancelButton(cancel);
        dialog->setBounds(100, 100, 360, 200);
        dialog->addNotify();
    }
    void TearDown() override {
        dialog->dispose();
        owner->dispose();
        ToolkitTest::TearDown();
    }

    // Shows the dialog, focuses target, presses key and closes the dialog.
    void pressIn(JovComponent* target, WPARAM key) {
        UserSteps user(windowOf(dialog),
                       {[&] { SetFocus(windowOf(target)); }, UserSteps::pressing(key)});
        dialog->show();
    }

    JovFrame* owner = nullptr;
    JovDialog* dialog = nullptr;
    JovTextField* field = nullptr;
    JovCheckBox* box = nullptr;
    JovChoice* choice = nullptr;
    JovButton* ok = nullptr;
    JovButton* cancel = nullptr;
    Clicks clicks;
};

TEST_F(JovDialogKeysTest, EnterAndEscapeClickTheDialogsEnabledButtonsFromAnyNestedComponent) {
    for (const auto& [target, key, clicked] :
         std::vector<std::tuple<JovComponent*, WPARAM, std::string>>{
             {field, VK_RETURN, "OK"},
             {field, VK_ESCAPE, "Abbrechen"},
             {box, VK_RETURN, "OK"},
             {choice, VK_RETURN, "OK"},
             {choice, VK_ESCAPE, "Abbrechen"},
             {cancel, VK_RETURN, "Abbrechen"},
             {ok, VK_ESCAPE, "Abbrechen"}}) {
        clicks.commands.clear();
        pressIn(target, key);
        EXPECT_EQ(clicks.commands, std::vector<std::string>{clicked})
            << target->toString().chars() << " key " << key;
    }
    // Enter on a check box is the dialog's, not a toggle.
    EXPECT_FALSE(box->isSelected());
    clicks.commands.clear();
    ok->setEnabled(false);
    pressIn(field, VK_RETURN);
    EXPECT_TRUE(clicks.commands.empty());
}
