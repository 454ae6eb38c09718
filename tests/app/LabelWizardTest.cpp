// The label wizard on real controls: radio buttons, the spinner's field and up/down control, the
// tabs, the advertisement field and the preview toggle, each checked on the label view it writes
// into.
#include "ToolkitTest.h"
#include "app/GageView.h"
#include "app/PreviewDialog.h"
#include "app/Step1Panel.h"
#include "app/Step5Panel.h"
#include "app/StepsPanel.h"
#include "awt/JovFrame.h"
#include "awt/JovTextField.h"
#include "awt/JovToggleButton.h"
#include "awt/Spinner.h"
#include "awt/TabbedPane.h"
#include "awt/windows/SpinnerPeer.h"
#include "util/JovDate.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int day = Step1Panel::SECONDS_PER_DAY;
constexpr int settle = 50;

struct ControlSearch {
    const char* text;
    HWND found;
};

BOOL CALLBACK matchText(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<ControlSearch*>(data);
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    if (std::string(text) != search->text) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

} // namespace

class LabelWizardTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        frame = new JovFrame("Etikettenassistent");
        preview = new PreviewDialog(frame);
        steps = new StepsPanel(preview);
        // As the main frame does from the settings, before any window exists.
        steps->setAdvertisementText("Aus der Region");
        frame->add(steps, JovString("Center"));
        frame->pack();
        frame->show();
        preview->pack();
        pumpFor(settle);
        view = preview->getGageView();
    }

    void TearDown() override {
        preview->dispose();
        frame->dispose();
        ToolkitTest::TearDown();
    }

    HWND control(const char* text) const {
        ControlSearch search{text, nullptr};
        EnumChildWindows(windowOf(frame), matchText, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    using ToolkitTest::click;

    void click(const char* text) {
        const HWND button = control(text);
        ASSERT_NE(button, nullptr) << text;
        SendMessageA(button, BM_CLICK, 0, 0);
        pumpFor(settle);
    }

    // A left click on the upper (up) or lower (down) arrow of the spinner's up/down control.
    void clickArrow(bool up) {
        RECT area = {};
        GetClientRect(spinnerArrows(), &area);
        click(spinnerArrows(), area.right / 2, up ? area.bottom / 4 : area.bottom * 3 / 4);
    }

    // A left click in the middle of the tab at index, as the user switches pages.
    void clickTab(int index) {
        const HWND tabs = windowOf(steps->getTabbedPane());
        RECT tab = {};
        SendMessageA(tabs, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&tab));
        click(tabs, (tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
    }

    Spinner* spinner() const { return steps->getStep1Panel()->getSpinner(); }
    HWND spinnerField() const { return windowOf(spinner()->getTextField()); }
    HWND spinnerArrows() const {
        return static_cast<SpinnerPeer*>(spinner()->getPeer())->getUpDownWindow();
    }
    std::string useByIn(int days) const {
        return GageView::useByLineFor(JovDate(constructed.getTime() + days * day)).chars();
    }

    JovDate constructed;
    JovFrame* frame = nullptr;
    PreviewDialog* preview = nullptr;
    StepsPanel* steps = nullptr;
    GageView* view = nullptr;
};

TEST_F(LabelWizardTest, StartsWithMenuIAndTomorrow) {
    EXPECT_STREQ(view->getMenuType().chars(), "Menü I");
    EXPECT_STREQ(view->getAdvertisementText().chars(), "Aus der Region");
    EXPECT_FALSE(view->isNutritionShown());
    EXPECT_EQ(view->getUseByLine().chars(), useByIn(1));
    EXPECT_FALSE(IsWindowEnabled(spinnerField()));
}

TEST_F(LabelWizardTest, DateButtonsSetTheUseByDate) {
    const struct {
        const char* button;
        int days;
        bool spinnerFree;
    } cases[] = {{"heute", 0, false}, {"am", 1, true}, {"morgen", 1, false}};
    for (const auto& date : cases) {
        click(date.button);
        EXPECT_EQ(view->getUseByLine().chars(), useByIn(date.days)) << date.button;
        EXPECT_EQ(IsWindowEnabled(spinnerField()) != FALSE, date.spinnerFree) << date.button;
        EXPECT_EQ(IsWindowEnabled(spinnerArrows()) != FALSE, date.spinnerFree) << date.button;
    }
    // "am" gives the field the focus with its whole text selected, ready to be typed over.
    click("am");
    DWORD start = 1;
    DWORD end = 0;
    SendMessageA(spinnerField(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(GetFocus(), spinnerField());
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, static_cast<DWORD>(GetWindowTextLengthA(spinnerField())));
}

TEST_F(LabelWizardTest, TypedDateReachesTheLabelOnlyInTheFormTTMM) {
    click("am");
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {{"24.12.", "Zu verbrauchen bis 24.12."},
                 {"1.1.", "Zu verbrauchen bis 24.12."},
                 {"03.04.", "Zu verbrauchen bis 03.04."}};
    for (const auto& typing : cases) {
        SendMessageA(spinnerField(), EM_SETSEL, 0, -1);
        type(spinnerField(), typing.typed);
        EXPECT_STREQ(view->getUseByLine().chars(), typing.shown) << typing.typed;
    }
}

TEST_F(LabelWizardTest, ArrowClicksMoveTheDateByADay) {
    click("am");
    for (int i = 0; i < 3; ++i) {
        clickArrow(true);
    }
    EXPECT_EQ(view->getUseByLine().chars(), useByIn(4));
    EXPECT_EQ(GetFocus(), spinnerField());
    clickArrow(false);
    EXPECT_EQ(view->getUseByLine().chars(), useByIn(3));
}

TEST_F(LabelWizardTest, MenuTypeButtonsWriteTheTypeAndTheNutritionSwitch) {
    const struct {
        const char* button;
        const char* type;
        bool nutrition;
    } cases[] = {{"Leichte Vollkost", "Leichte Vollkost", true},
                 {"Feinschmecker", "Feinschmeckermenü", false},
                 {"Kaltmenü", "Kaltmenü", false},
                 {"Menü II", "Menü II", false}};
    for (const auto& menuType : cases) {
        click(menuType.button);
        EXPECT_STREQ(view->getMenuType().chars(), menuType.type);
        EXPECT_EQ(view->isNutritionShown(), menuType.nutrition) << menuType.button;
    }
}

TEST_F(LabelWizardTest, AdvertisementFollowsEachKeystroke) {
    clickTab(1);
    EXPECT_FALSE(IsWindowVisible(windowOf(steps->getStep1Panel())));
    EXPECT_EQ(GetFocus(), windowOf(steps->getStep5Panel()->getCountField()));
    const HWND field = windowOf(steps->getStep5Panel()->getAdvertisementField());
    SetWindowTextA(field, "");
    std::string typed;
    for (const char c : std::string("Neu!")) {
        type(field, std::string(1, c).c_str());
        typed += c;
        EXPECT_EQ(view->getAdvertisementText().chars(), typed);
    }
    steps->setAdvertisementText("Hausgemacht");
    EXPECT_STREQ(view->getAdvertisementText().chars(), "Hausgemacht");
    EXPECT_STREQ(steps->getAdvertisementText().chars(), "Hausgemacht");
}

TEST_F(LabelWizardTest, ToggleShowsTheWholeLabelAndClosingThePreviewReleasesIt) {
    click("Vorschau");
    const HWND dialog = windowOf(preview);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(IsWindowVisible(dialog));
    // Packed before it was first shown, the dialog still has room for the whole label.
    EXPECT_EQ(view->getWidth(), GageView::LABEL_WIDTH);
    EXPECT_EQ(view->getHeight(), GageView::LABEL_HEIGHT);
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    pumpFor(settle);
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_FALSE(steps->getPreviewToggle()->isSelected());
    EXPECT_EQ(SendMessageA(control("Vorschau"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    click("Vorschau");
    EXPECT_TRUE(IsWindowVisible(dialog));
    click("Vorschau");
    EXPECT_FALSE(IsWindowVisible(dialog));
}
