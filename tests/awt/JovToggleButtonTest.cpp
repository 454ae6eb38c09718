// Toggle buttons, check boxes, radio buttons and their groups on real BUTTON controls.
#include "awt/JovToggleButton.h"
#include "WidgetTest.h"
#include "awt/JovButtonGroup.h"
#include "awt/JovCheckBox.h"
#include "awt/JovRadioButton.h"
#include "awt/windows/JovWImage.h"

#include <gtest/gtest.h>

namespace {
bool checked(HWND button) {
    return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}
} // namespace

class JovToggleButtonTest : public WidgetTest {};

TEST_F(JovToggleButtonTest, ACheckBoxFollowsTheProgramSilentlyAndTheUsersClicksWithActions) {
    auto* box = new JovCheckBox("Vegan");
    box->setSelected(true);
    box->addActionListener(&log);
    HWND window = place(box, 10, 10, 100, 24);
    EXPECT_TRUE(checked(window));
    box->setSelected(false);
    EXPECT_FALSE(checked(window));
    SendMessageA(window, BM_CLICK, 0, 0);
    EXPECT_TRUE(box->isSelected());
    EXPECT_TRUE(checked(window));
    SendMessageA(window, BM_CLICK, 0, 0);
    EXPECT_FALSE(box->isSelected());
    EXPECT_EQ(log.entries, (Entries{"action Vegan", "action Vegan"}));
}

class JovButtonGroupTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
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
        WidgetTest::TearDown();
    }

    JovButtonGroup* group = nullptr;
    std::vector<JovRadioButton*> radios;
    std::vector<HWND> windows;
};

TEST_F(JovButtonGroupTest, ClickingARadioButtonClearsTheOthersAndKeepsItSelected) {
    SendMessageA(windows[0], BM_CLICK, 0, 0);
    SendMessageA(windows[2], BM_CLICK, 0, 0);
    EXPECT_FALSE(radios[0]->isSelected());
    EXPECT_TRUE(radios[2]->isSelected());
    EXPECT_FALSE(checked(windows[0]));
    EXPECT_TRUE(checked(windows[2]));
    EXPECT_EQ(group->getSelection(), radios[2]);
    SendMessageA(windows[2], BM_CLICK, 0, 0);
    EXPECT_TRUE(radios[2]->isSelected()) << "the selected one stays selected";
    EXPECT_EQ(log.entries, (Entries{"action Heute", "action Datum", "action Datum"}));
}

TEST_F(JovButtonGroupTest, SelectingInCodeClearsTheOthersUntilAButtonLeavesTheGroup) {
    radios[0]->setSelected(true);
    radios[1]->setSelected(true);
    EXPECT_FALSE(radios[0]->isSelected());
    EXPECT_FALSE(checked(windows[0]));
    EXPECT_TRUE(checked(windows[1]));
    EXPECT_EQ(log.entries, Entries{}) << "only the user's choice is an action";
    group->remove(radios[2]);
    EXPECT_EQ(group->getButtonCount(), 2);
    EXPECT_EQ(radios[2]->getGroup(), nullptr);
    radios[2]->setSelected(true);
    EXPECT_TRUE(radios[1]->isSelected());
}

// A check box with a picture: the control shows it as an icon made from the picture's rows.
class JovCheckBoxImageTest : public WidgetTest {
protected:
    static constexpr int side = 16;

    void SetUp() override {
        WidgetTest::SetUp();
        picture = new JovWImage(side, side);
        picture->addRef();
        picture->setPixel(3, 5, pictureColor);
    }
    void TearDown() override {
        picture->release();
        WidgetTest::TearDown();
    }
    static HICON iconOf(HWND box) {
        return reinterpret_cast<HICON>(SendMessageA(box, BM_GETIMAGE, IMAGE_ICON, 0));
    }

    const JovColor pictureColor = JovColor(200, 40, 10);
    JovWImage* picture = nullptr;
};

TEST_F(JovCheckBoxImageTest, APictureSetBeforeTheControlBecomesItsIcon) {
    auto* checkBox = new JovCheckBox("Vegan");
    checkBox->setImage(picture);
    HWND box = place(checkBox, 10, 10, 60, 30);
    EXPECT_NE(styleOf(box) & BS_ICON, 0);
    EXPECT_EQ(styleOf(box) & BS_MULTILINE, 0);
    HICON icon = iconOf(box);
    ASSERT_NE(icon, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_TRUE(info.fIcon);
    BITMAP colorBitmap = {};
    GetObjectA(info.hbmColor, sizeof colorBitmap, &colorBitmap);
    EXPECT_EQ(colorBitmap.bmWidth, side);
    EXPECT_EQ(colorBitmap.bmHeight, side);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, info.hbmColor);
    EXPECT_EQ(GetPixel(memory, 3, 5),
              RGB(pictureColor.getRed(), pictureColor.getGreen(), pictureColor.getBlue()));
    EXPECT_EQ(GetPixel(memory, 0, 0), RGB(0, 0, 0));
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST_F(JovCheckBoxImageTest, APictureChangedOnTheLiveControlSwitchesItsStyle) {
    auto* checkBox = new JovCheckBox("Vegan und laktosefrei");
    HWND box = place(checkBox, 10, 10, 80, 40);
    EXPECT_NE(styleOf(box) & BS_MULTILINE, 0) << "without a picture the label may wrap";
    EXPECT_EQ(iconOf(box), nullptr);
    checkBox->setImage(picture);
    EXPECT_NE(styleOf(box) & BS_ICON, 0);
    EXPECT_NE(iconOf(box), nullptr);
    checkBox->setImage(nullptr);
    EXPECT_NE(styleOf(box) & BS_MULTILINE, 0);
    EXPECT_EQ(styleOf(box) & BS_ICON, 0);
    EXPECT_EQ(iconOf(box), nullptr);
    EXPECT_EQ(checkBox->getImage(), nullptr);
}
