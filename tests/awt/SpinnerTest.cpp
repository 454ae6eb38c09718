// The date spinner on real controls: the dates its field reads back, the day steps its up/down
// control reports, enabling both parts, and its size. Arrow clicks are driven in the wizard tests.
#include "awt/Spinner.h"
#include "WidgetTest.h"
#include "awt/JovTextField.h"
#include "awt/windows/SpinnerPeer.h"

#include <commctrl.h>

#include <ctime>

namespace {
// 2026-03-10 12:00 UTC: no daylight-saving change within a few days around it.
constexpr int startTime = 1773144000;
} // namespace

class SpinnerTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        spinner = new Spinner(JovDate(startTime));
        spinner->addActionListener(&log);
        place(spinner, 10, 10, 160, 26);
    }

    HWND field() const { return windowOf(spinner->getTextField()); }
    HWND arrows() const { return static_cast<SpinnerPeer*>(spinner->getPeer())->getUpDownWindow(); }

    Spinner* spinner = nullptr;
};

TEST_F(SpinnerTest, FieldTextChangesTheDateOnlyWhenItReadsAsTTMM) {
    const struct {
        const char* text;
        int day, month, year;
    } cases[] = {{"24.12.", 24, 12, 2000},
                 {"1.1.", 24, 12, 2000},
                 {"Di, 10.03.26", 24, 12, 2000},
                 {"07.05.", 7, 5, 2000}};
    for (const auto& typed : cases) {
        SetWindowTextA(field(), typed.text);
        pumpFor(20);
        const std::time_t time = spinner->getDate().getTime();
        const std::tm* local = std::localtime(&time);
        EXPECT_EQ(local->tm_mday * 10000 + (local->tm_mon + 1) * 100 + local->tm_year % 100,
                  typed.day * 10000 + typed.month * 100 + typed.year % 100)
            << typed.text;
    }
}

TEST_F(SpinnerTest, UpDownNotificationStepsADayAndKeepsTheControlsPosition) {
    for (const int delta : {1, -2}) {
        NMUPDOWN change = {{arrows(), 0, static_cast<UINT>(UDN_DELTAPOS)}, 0, delta};
        EXPECT_EQ(SendMessageA(windowOf(spinner), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change)),
                  1);
    }
    EXPECT_EQ(spinner->getDate().getTime(), startTime - Spinner::SECONDS_PER_STEP);
    EXPECT_EQ(log.entries, std::vector<std::string>(2, "action Spinner"));
    EXPECT_EQ(SendMessageA(arrows(), UDM_GETPOS32, 0, 0), 0);
}

TEST_F(SpinnerTest, ArrowsStandRightOfTheFieldAndEnablingReachesBoth) {
    const JovDimension fieldSize = spinner->getTextField()->getPreferredSize();
    EXPECT_EQ(spinner->getPreferredSize().width, fieldSize.width + 22);
    EXPECT_EQ(spinner->getPreferredSize().height, fieldSize.height + 2);
    RECT arrowPlace = {};
    RECT fieldPlace = {};
    GetWindowRect(arrows(), &arrowPlace);
    GetWindowRect(field(), &fieldPlace);
    EXPECT_GE(arrowPlace.left, fieldPlace.right);
    for (const bool enabled : {false, true}) {
        spinner->setEnabled(enabled);
        EXPECT_EQ(IsWindowEnabled(field()) != FALSE, enabled);
        EXPECT_EQ(IsWindowEnabled(arrows()) != FALSE, enabled);
    }
}
