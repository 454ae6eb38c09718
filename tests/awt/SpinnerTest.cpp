// The date spinner on real controls: enabling both parts and its size. Typed dates and arrow
// clicks are driven in the wizard tests.
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
        place(spinner, 10, 10, 160, 26);
    }

    HWND field() const { return windowOf(spinner->getTextField()); }
    HWND arrows() const { return static_cast<SpinnerPeer*>(spinner->getPeer())->getUpDownWindow(); }

    Spinner* spinner = nullptr;
};

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
