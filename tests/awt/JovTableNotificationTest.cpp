// The table told of its rows as a search refills it: rows added silently and announced at once,
// rows removed before or after they are announced, the first row selected after an insert, and
// check changes handed to listeners after the list view's notification.
#include "awt/JovTable.h"

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

constexpr int checkedImage = 2;
constexpr int stateShift = 12;
constexpr int settle = 60;

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
    int shownRows() const {
        return static_cast<int>(SendMessageA(control(), LVM_GETITEMCOUNT, 0, 0));
    }

    // The search path: all rows removed and then announced, the new ones added silently with
    // their marks and announced at once.
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

    std::vector<int> checkedInControl() const {
        std::vector<int> checked;
        for (int row = 0; row < shownRows(); ++row) {
            const auto state = SendMessageA(control(), LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK);
            if (((state & LVIS_STATEIMAGEMASK) >> stateShift) == checkedImage) {
                checked.push_back(row);
            }
        }
        return checked;
    }

    std::vector<int> checkedInTable() const {
        std::vector<int> checked;
        for (int row = 0; row < table->getRowCount(); ++row) {
            if (table->isChecked(row)) {
                checked.push_back(row);
            }
        }
        return checked;
    }

    std::string textInControl(int row) const {
        char text[64] = {};
        LVITEMA item = {};
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(control(), LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        return text;
    }

    // Clicks the row's check box where the control says it is.
    void clickCheckBox(int row) {
        RECT bounds = {};
        bounds.left = LVIR_BOUNDS;
        SendMessageA(control(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&bounds));
        const int middle = (bounds.top + bounds.bottom) / 2;
        for (int x = bounds.left; x < bounds.right; ++x) {
            LVHITTESTINFO hit = {};
            hit.pt = POINT{x, middle};
            SendMessageA(control(), LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
            if ((hit.flags & LVHT_ONITEMSTATEICON) != 0) {
                click(control(), x + 2, middle);
                return;
            }
        }
        FAIL() << "no check box in row " << row;
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
        ASSERT_EQ(shownRows(), count);
        EXPECT_EQ(checkedInTable(), fill.checkedRows);
        EXPECT_EQ(checkedInControl(), fill.checkedRows);
        for (int row = 0; row < count; ++row) {
            EXPECT_EQ(textInControl(row), fill.names[row]);
        }
        EXPECT_EQ(table->getSelectedRows(), count > 0 ? std::vector<int>{0} : std::vector<int>{});
        const bool firstSelected =
            (SendMessageA(control(), LVM_GETITEMSTATE, 0, LVIS_SELECTED) & LVIS_SELECTED) != 0;
        EXPECT_EQ(firstSelected, count > 0);
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
        EXPECT_EQ(shownRows(), 2) << announceFirst;
        EXPECT_EQ(textInControl(1), "Lauch") << announceFirst;
        EXPECT_EQ(checkedInControl(), std::vector<int>{1}) << announceFirst;
        EXPECT_EQ(checkedInTable(), std::vector<int>{1}) << announceFirst;
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
    EXPECT_EQ(checkedInControl(), std::vector<int>{1});
    EXPECT_EQ(checkedInTable(), std::vector<int>{1});
}

TEST_F(JovTableNotificationTest, ACheckHandlerMayOpenAModalDialog) {
    refill({{"Karotten", "Kartoffeln"}, {}});
    handler.action = [this](JovTableCheckEvent&) {
        auto* dialog = new JovDialog(frame, "Zutat hinzufügen...", true);
        dialog->setBounds(100, 100, 200, 120);
        // The dialog's own loop runs the timer that closes it.
        SetTimer(nullptr, 0, 150, [](HWND, UINT, UINT_PTR id, DWORD) {
            KillTimer(nullptr, id);
            PostMessageA(GetActiveWindow(), WM_CLOSE, 0, 0);
        });
        dialog->addRef();
        dialog->show();
        dialog->dispose();
        dialog->release();
    };
    clickCheckBox(0);
    pumpFor(settle);
    EXPECT_EQ(handler.depths.size(), 1u);
    EXPECT_EQ(checkedInControl(), std::vector<int>{0});
    EXPECT_TRUE(IsWindowEnabled(windowOf(frame)));
}

TEST_F(JovTableNotificationTest, ACheckHandlerThatRefillsTheTableDropsTheChangedRowsMark) {
    refill({{"Karotten", "Kartoffeln"}, {}});
    handler.action = [this](JovTableCheckEvent&) { refill({{"Reis", "Sahne", "Salz"}, {}}); };
    clickCheckBox(1);
    EXPECT_EQ(shownRows(), 3);
    EXPECT_EQ(checkedInControl(), std::vector<int>{});
    EXPECT_EQ(checkedInTable(), std::vector<int>{});
}
