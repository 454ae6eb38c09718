// The date spinner on a real edit control and up/down control: day steps from arrow clicks, the
// dates its field reads back, enabling both parts, and its size.
#include "awt/Spinner.h"
#include "WidgetFixture.h"
#include "awt/JovTextField.h"
#include "awt/windows/SpinnerPeer.h"
#include "text/JovSimpleDateFormat.h"

#include <commctrl.h>

#include <ctime>

namespace {

constexpr int day = Spinner::SECONDS_PER_STEP;
// 2026-03-10 12:00 UTC: no daylight-saving change within a few days around it.
constexpr int startTime = 1773144000;

} // namespace

class SpinnerTest : public WidgetFixture {
protected:
    void SetUp() override {
        WidgetFixture::SetUp();
        spinner = new Spinner(JovDate(startTime));
        spinner->addActionListener(&log);
        place(spinner, 10, 10, 160, 26);
    }

    HWND field() const { return windowOf(spinner->getTextField()); }
    HWND arrows() const { return static_cast<SpinnerPeer*>(spinner->getPeer())->getUpDownWindow(); }

    void clickArrow(bool up) {
        RECT area = {};
        GetClientRect(arrows(), &area);
        const LPARAM point = MAKELPARAM(area.right / 2, up ? area.bottom / 4 : area.bottom * 3 / 4);
        PostMessageA(arrows(), WM_LBUTTONDOWN, MK_LBUTTON, point);
        PostMessageA(arrows(), WM_LBUTTONUP, 0, point);
        pumpFor(50);
    }

    Spinner* spinner = nullptr;
};

TEST_F(SpinnerTest, ArrowClicksStepOneDayTakeTheFocusAndAct) {
    const struct {
        bool up;
        int days;
    } clicks[] = {{true, 1}, {true, 2}, {true, 3}, {false, 2}};
    for (const auto& click : clicks) {
        clickArrow(click.up);
        EXPECT_EQ(spinner->getDate().getTime(), startTime + click.days * day);
        EXPECT_EQ(windowText(field()),
                  JovSimpleDateFormat(Spinner::DATE_PATTERN).format(spinner->getDate()).chars());
    }
    EXPECT_EQ(GetFocus(), field());
    EXPECT_EQ(log.entries, std::vector<std::string>(4, "action Spinner"));
    EXPECT_EQ(SendMessageA(arrows(), UDM_GETPOS32, 0, 0), 0) << "the control's position is unused";
}

TEST_F(SpinnerTest, FieldTextChangesTheDateOnlyWhenItReadsAsTTMM) {
    const struct {
        const char* text;
        int day;
        int month;
        int year;
    } cases[] = {{"24.12.", 24, 12, 2000},
                 {"1.1.", 24, 12, 2000},
                 {"Di, 10.03.26", 24, 12, 2000},
                 {"07.05.", 7, 5, 2000}};
    for (const auto& typed : cases) {
        SetWindowTextA(field(), typed.text);
        pumpFor(20);
        const std::time_t time = spinner->getDate().getTime();
        const std::tm* local = std::localtime(&time);
        EXPECT_EQ(local->tm_mday, typed.day) << typed.text;
        EXPECT_EQ(local->tm_mon + 1, typed.month) << typed.text;
        EXPECT_EQ(local->tm_year + 1900, typed.year) << typed.text;
    }
}

TEST_F(SpinnerTest, EnablingReachesFieldAndArrows) {
    for (const bool enabled : {false, true}) {
        spinner->setEnabled(enabled);
        EXPECT_EQ(IsWindowEnabled(field()) != FALSE, enabled);
        EXPECT_EQ(IsWindowEnabled(arrows()) != FALSE, enabled);
    }
}

TEST_F(SpinnerTest, SizeLeavesRoomForTheArrowsRightOfTheField) {
    const JovDimension field = spinner->getTextField()->getPreferredSize();
    EXPECT_EQ(spinner->getPreferredSize().width, field.width + 22);
    EXPECT_EQ(spinner->getPreferredSize().height, field.height + 2);
    RECT arrowPlace = {};
    RECT fieldPlace = {};
    GetWindowRect(arrows(), &arrowPlace);
    GetWindowRect(this->field(), &fieldPlace);
    EXPECT_GE(arrowPlace.left, fieldPlace.right);
    EXPECT_STREQ(spinner->toString().chars(), "ool.awt.Spinner");
}
