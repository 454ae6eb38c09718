// Toggle buttons, check boxes, radio buttons and their groups on real BUTTON controls.
#include "awt/JovToggleButton.h"
#include "WidgetFixture.h"
#include "awt/JovButtonGroup.h"
#include "awt/JovCheckBox.h"
#include "awt/JovRadioButton.h"

#include <gtest/gtest.h>

using Log = std::vector<std::string>;

namespace {
bool checked(HWND button) {
    return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}
} // namespace

class JovToggleButtonTest : public WidgetFixture {};

TEST_F(JovToggleButtonTest, EachKindGetsItsOwnControlStyle) {
    HWND toggle = place(new JovToggleButton("Fett"), 10, 10, 100, 24);
    HWND box = place(new JovCheckBox("Vegan"), 10, 40, 100, 24);
    HWND radio = place(new JovRadioButton("Heute"), 10, 70, 100, 24);
    EXPECT_EQ(styleOf(toggle) & BS_TYPEMASK, BS_AUTOCHECKBOX);
    EXPECT_NE(styleOf(toggle) & BS_PUSHLIKE, 0);
    EXPECT_EQ(styleOf(box) & BS_TYPEMASK, BS_AUTOCHECKBOX);
    EXPECT_EQ(styleOf(box) & BS_PUSHLIKE, 0);
    EXPECT_EQ(styleOf(radio) & BS_TYPEMASK, BS_AUTORADIOBUTTON);
    EXPECT_NE(styleOf(radio) & WS_GROUP, 0);
}

TEST_F(JovToggleButtonTest, ASelectionSetBeforeTheControlIsCopiedIntoIt) {
    auto* box = new JovCheckBox("Vegan");
    box->setSelected(true);
    HWND window = place(box, 10, 10, 100, 24);
    EXPECT_TRUE(checked(window));
    box->setSelected(false);
    EXPECT_FALSE(checked(window));
}

TEST_F(JovToggleButtonTest, ClickingACheckBoxChangesItsStateAndNotifies) {
    auto* box = new JovCheckBox("Vegan");
    box->addActionListener(&log);
    HWND window = place(box, 10, 10, 100, 24);
    SendMessageA(window, BM_CLICK, 0, 0);
    EXPECT_TRUE(box->isSelected());
    EXPECT_TRUE(checked(window));
    SendMessageA(window, BM_CLICK, 0, 0);
    EXPECT_FALSE(box->isSelected());
    EXPECT_EQ(log.entries, (Log{"action Vegan", "action Vegan"}));
}

TEST_F(JovToggleButtonTest, DoClickTogglesWithoutAControl) {
    auto* button = new JovToggleButton("Fett");
    button->addRef();
    button->doClick();
    EXPECT_TRUE(button->isSelected());
    button->doClick();
    EXPECT_FALSE(button->isSelected());
    button->release();
}

class JovButtonGroupTest : public WidgetFixture {
protected:
    void SetUp() override {
        WidgetFixture::SetUp();
        group = new JovButtonGroup;
        group->addRef();
        for (const char* label : {"Heute", "Morgen", "Datum"}) {
            auto* radio = new JovRadioButton(label);
            radio->addActionListener(&log);
            group->add(radio);
            windows.push_back(place(radio, 10, 10 + 30 * static_cast<int>(radios.size()), 100, 24));
            radios.push_back(radio);
        }
    }
    void TearDown() override {
        group->release();
        WidgetFixture::TearDown();
    }

    JovButtonGroup* group = nullptr;
    std::vector<JovRadioButton*> radios;
    std::vector<HWND> windows;
};

TEST_F(JovButtonGroupTest, ClickingOneRadioButtonClearsTheOthersInTheControls) {
    SendMessageA(windows[0], BM_CLICK, 0, 0);
    SendMessageA(windows[2], BM_CLICK, 0, 0);
    EXPECT_FALSE(radios[0]->isSelected());
    EXPECT_TRUE(radios[2]->isSelected());
    EXPECT_FALSE(checked(windows[0]));
    EXPECT_TRUE(checked(windows[2]));
    EXPECT_EQ(group->getSelection(), radios[2]);
    EXPECT_EQ(log.entries, (Log{"action Heute", "action Datum"}));
}

TEST_F(JovButtonGroupTest, ClickingTheSelectedRadioButtonKeepsItSelected) {
    SendMessageA(windows[1], BM_CLICK, 0, 0);
    SendMessageA(windows[1], BM_CLICK, 0, 0);
    EXPECT_TRUE(radios[1]->isSelected());
    EXPECT_EQ(log.entries.size(), 2u);
}

TEST_F(JovButtonGroupTest, SelectingInCodeClearsTheOthers) {
    radios[0]->setSelected(true);
    radios[1]->setSelected(true);
    EXPECT_FALSE(radios[0]->isSelected());
    EXPECT_FALSE(checked(windows[0]));
    EXPECT_TRUE(checked(windows[1]));
    EXPECT_EQ(log.entries, Log{}) << "only the user's choice is an action";
}

TEST_F(JovButtonGroupTest, AButtonLeavesItsGroupWhenRemoved) {
    group->remove(radios[2]);
    EXPECT_EQ(group->getButtonCount(), 2);
    EXPECT_EQ(radios[2]->getGroup(), nullptr);
    radios[0]->setSelected(true);
    radios[2]->setSelected(true);
    EXPECT_TRUE(radios[0]->isSelected());
}
