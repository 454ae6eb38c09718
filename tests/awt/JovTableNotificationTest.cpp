// The table refilled as a search does: marks of silently added rows, removals announced before or
// after, the first row selected, and check listeners run after the list view's notification.
#include "awt/JovTable.h"

#include "ListViewProbe.h"
#include "UserSteps.h"
#include "WidgetTest.h"
#include "awt/JovDialog.h"
#include "awt/JovFrame.h"
#include "awt/event/ChangeListener.h"
#include "awt/event/JovTableCheckEvent.h"

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int settle = 60;
constexpr int largeRowCount = 20000;
constexpr int markEvery = 7;

struct Fill {
    std::vector<std::string> names;
    std::vector<int> checkedRows;
};

// How deep the frame is inside a list view's LVN_ITEMCHANGING right now.
int changingDepth = 0;

LRESULT CALLBACK watchChanging(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (call->message == WM_NOTIFY &&
        reinterpret_cast<const NMHDR*>(call->lParam)->code == LVN_ITEMCHANGING) {
        ++changingDepth;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK watchChangingDone(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (call->message == WM_NOTIFY &&
        reinterpret_cast<const NMHDR*>(call->lParam)->code == LVN_ITEMCHANGING) {
        --changingDepth;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class CheckHandler : public ChangeListener {
public:
    void stateChanged(ChangeEvent& event) override {
        depths.push_back(changingDepth);
        if (action) {
            action(dynamic_cast<JovTableCheckEvent&>(event));
        }
    }

    std::function<void(JovTableCheckEvent&)> action;
    std::vector<int> depths;
};

class JovTableNotificationTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        columnNames.addElement("Name");
        table = new JovTable(rows, columnNames);
        table->addCheckListener(&handler);
        place(table, 10, 10, 400, 300);
    }

    void TearDown() override {
        rows.removeAllElements();
        columnNames.removeAllElements();
        WidgetTest::TearDown();
    }

    HWND control() const { return windowOf(table); }
    ListViewProbe view() const { return ListViewProbe(control()); }

    // The search path: all rows removed and announced, the new ones added silently with their
    // marks and announced at once.
    void refill(const Fill& fill) {
        const int old = rows.size();
        rows.removeAllElements();
        table->rowsDeleted(0, old - 1);
        for (const std::string& name : fill.names) {
            auto* row = new JovVector();
            row->addElement(JovString(name.c_str()));
            rows.addElement(row);
        }
        for (int row : fill.checkedRows) {
            table->setChecked(row, true);
        }
        table->rowsInserted(0, rows.size() - 1);
    }

    // The checked rows in the control and, to match, in the table.
    std::vector<int> checkedRows() const {
        std::vector<int> checked;
        for (int row = 0; row < view().rowCount(); ++row) {
            const bool shown = view().stateImage(row) == ListViewProbe::checkedImage;
            EXPECT_EQ(shown, table->isChecked(row)) << "row " << row;
            if (shown) {
                checked.push_back(row);
            }
        }
        return checked;
    }

    void clickCheckBox(int row) {
        const POINT at = view().checkBoxOf(row);
        ASSERT_GE(at.x, 0) << "no check box in row " << row;
        click(control(), at.x, at.y);
    }

    JovVector rows;
    JovVector columnNames;
    JovTable* table = nullptr;
    CheckHandler handler;
};

} // namespace

TEST_F(JovTableNotificationTest, RefillsKeepTheMarksOfSilentRowsAndSelectTheFirstRow) {
    const Fill fills[] = {
        {{"Karotten", "Kartoffeln", "Lauch", "Reis", "Sahne"}, {1, 3}},
        {{"Zwiebeln", "Rahmsauce"}, {0}},
        {{}, {}},
        {{"Wasser", "Salz", "Pfeffer"}, {}},
    };
    for (const Fill& fill : fills) {
        refill(fill);
        const int count = static_cast<int>(fill.names.size());
        ASSERT_EQ(view().rowCount(), count);
        EXPECT_EQ(checkedRows(), fill.checkedRows);
        for (int row = 0; row < count; ++row) {
            EXPECT_EQ(view().text(row, 0), fill.names[row]);
        }
        EXPECT_EQ(table->getSelectedRows(), count > 0 ? std::vector<int>{0} : std::vector<int>{});
        EXPECT_EQ(view().selected(0), count > 0);
    }
}

TEST_F(JovTableNotificationTest, ARowDeletedBeforeOrAfterLeavingTheVectorTakesItsMarkAlong) {
    for (const bool announceFirst : {true, false}) {
        refill({{"Karotten", "Kartoffeln", "Lauch"}, {1, 2}});
        if (announceFirst) {
            table->rowsDeleted(1, 1);
            rows.removeElementAt(1);
        } else {
            rows.removeElementAt(1);
            table->rowsDeleted(1, 1);
        }
        SCOPED_TRACE(announceFirst);
        EXPECT_EQ(view().rowCount(), 2);
        EXPECT_EQ(view().text(1, 0), "Lauch");
        EXPECT_EQ(checkedRows(), std::vector<int>{1});
    }
}

TEST_F(JovTableNotificationTest, CheckListenersRunAfterTheListViewsNotification) {
    refill({{"Karotten", "Kartoffeln"}, {}});
    HHOOK before = SetWindowsHookExA(WH_CALLWNDPROC, watchChanging, nullptr, GetCurrentThreadId());
    HHOOK after =
        SetWindowsHookExA(WH_CALLWNDPROCRET, watchChangingDone, nullptr, GetCurrentThreadId());
    clickCheckBox(1);
    UnhookWindowsHookEx(before);
    UnhookWindowsHookEx(after);
    EXPECT_EQ(handler.depths, std::vector<int>{0});
    EXPECT_EQ(checkedRows(), std::vector<int>{1});
}

TEST_F(JovTableNotificationTest, ACheckHandlerMayOpenAModalDialog) {
    refill({{"Karotten", "Kartoffeln"}, {}});
    handler.action = [this](JovTableCheckEvent&) {
        auto* dialog = new JovDialog(frame, "Zutat hinzufügen...", true);
        dialog->setBounds(100, 100, 200, 120);
        const UserSteps closer(nullptr, {UserSteps::closing(nullptr)});
        dialog->addRef();
        dialog->show();
        dialog->dispose();
        dialog->release();
    };
    clickCheckBox(0);
    pumpFor(settle);
    EXPECT_EQ(handler.depths.size(), 1u);
    EXPECT_EQ(checkedRows(), std::vector<int>{0});
    EXPECT_TRUE(IsWindowEnabled(windowOf(frame)));
}

TEST_F(JovTableNotificationTest, ACheckHandlerThatRefillsTheTableDropsTheChangedRowsMark) {
    refill({{"Karotten", "Kartoffeln"}, {}});
    handler.action = [this](JovTableCheckEvent&) { refill({{"Reis", "Sahne", "Salz"}, {}}); };
    clickCheckBox(1);
    EXPECT_EQ(view().rowCount(), 3);
    EXPECT_EQ(checkedRows(), std::vector<int>{});
}

TEST_F(JovTableNotificationTest, ALargeRefillShowsEveryRowWithItsMarkFromTheTopAndTicksTheLastOne) {
    Fill fill;
    for (int row = 0; row < largeRowCount; ++row) {
        fill.names.push_back("Zutat " + std::to_string(row));
        if (row % markEvery == 0) {
            fill.checkedRows.push_back(row);
        }
    }
    refill(fill);
    ASSERT_EQ(view().rowCount(), largeRowCount);
    for (int row : {0, 1, markEvery, largeRowCount / 2, largeRowCount - 2, largeRowCount - 1}) {
        SCOPED_TRACE(row);
        EXPECT_EQ(view().text(row, 0), fill.names[row]);
        const bool marked = row % markEvery == 0;
        EXPECT_EQ(table->isChecked(row), marked);
        EXPECT_EQ(view().stateImage(row),
                  marked ? ListViewProbe::checkedImage : ListViewProbe::uncheckedImage);
    }
    EXPECT_EQ(table->getSelectedRows(), std::vector<int>{0});
    const int last = largeRowCount - 1;
    SendMessageA(control(), LVM_ENSUREVISIBLE, last, FALSE);
    clickCheckBox(last);
    EXPECT_EQ(handler.depths.size(), 1u);
    EXPECT_NE(table->isChecked(last), last % markEvery == 0);
    EXPECT_EQ(view().stateImage(last) == ListViewProbe::checkedImage, table->isChecked(last));
    // Refilled, the list starts at the top again.
    refill(fill);
    EXPECT_EQ(SendMessageA(control(), LVM_GETTOPINDEX, 0, 0), 0);
}
