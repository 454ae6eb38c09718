// The table on a real list view under Wine: check boxes set by the program and toggled by the
// user (and refused by a listener), single and multiple selection both ways, column widths and
// alignment, rows inserted and deleted, and the cell renderer's texts and pictures.
#include "awt/JovTable.h"

#include "ViewFixture.h"
#include "awt/JovFrame.h"
#include "awt/JovTableCellRenderer.h"
#include "awt/JovTableColumn.h"
#include "awt/event/ChangeListener.h"
#include "awt/event/JovListSelectionListener.h"
#include "awt/event/JovMouseListener.h"
#include "awt/event/JovTableCheckEvent.h"
#include "awt/windows/JovWImage.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int tableWidth = 500;
constexpr int tableHeight = 300;
constexpr int checkedImage = 2;
constexpr int uncheckedImage = 1;
constexpr int stateShift = 12;
constexpr int textLength = 100;

struct CheckRecord {
    int row;
    bool checked;
};

class Listener : public ChangeListener, public JovListSelectionListener {
public:
    void stateChanged(ChangeEvent& event) override {
        auto& check = dynamic_cast<JovTableCheckEvent&>(event);
        checks.push_back({check.getRow(), check.isChecked()});
        if (refuse) {
            event.consume();
        }
    }
    void valueChanging(JovListSelectionEvent&) override {}
    void valueChanged(JovListSelectionEvent& event) override {
        selectionEvents.push_back(event.getFirstIndex());
    }

    bool refuse = false;
    std::vector<CheckRecord> checks;
    std::vector<int> selectionEvents;
};

// Notes the clicks and popup requests the table passes on.
class ClickRecorder : public JovMouseListener {
public:
    void mouseClicked(JovMouseEvent& event) override {
        clickCounts.push_back(event.getClickCount());
    }
    void mouseEntered(JovMouseEvent&) override {}
    void mouseExited(JovMouseEvent&) override {}
    void mousePressed(JovMouseEvent&) override {}
    void mouseReleased(JovMouseEvent& event) override { popups += event.isPopupTrigger() ? 1 : 0; }

    std::vector<int> clickCounts;
    int popups = 0;
};

// Shows the name with a mark and a picture in front of the first column.
class MarkingRenderer : public JovTableCellRenderer {
public:
    MarkingRenderer() : picture(new JovWImage(16, 16)) { picture->addRef(); }
    ~MarkingRenderer() override { picture->release(); }

    JovString getCellText(JovTable&, JovObject* value, int, int column) override {
        const JovString text = value != nullptr ? value->toString() : JovString();
        return column == 0 ? "* " + text : text;
    }
    JovImage* getCellImage(JovTable&, JovObject*, int, int) override { return picture; }

private:
    JovWImage* picture;
};

class JovTableTest : public ViewFixture {
protected:
    void SetUp() override {
        ViewFixture::SetUp();
        columnNames.addElement("Name");
        columnNames.addElement("Art.-Nr.");
        columnNames.addElement("Klasse");
        addRow("Karotten", "101", "");
        addRow("Kartoffeln", "102", "");
        addRow("Sorbinsäure", "103", "Konservierungsstoff");
        table = new JovTable(rows, columnNames);
        table->addCheckListener(&listener);
        table->addListSelectionListener(&listener);
    }

    void TearDown() override {
        // The rows die with the table; the fixture's handles must not keep them alive.
        rows.removeAllElements();
        columnNames.removeAllElements();
        ViewFixture::TearDown();
    }

    void addRow(const char* name, const char* id, const char* additiveClass) {
        auto* row = new JovVector();
        row->addElement(name);
        row->addElement(id);
        row->addElement(additiveClass);
        rows.addElement(row);
    }

    void show() { showInFrame(table, 10, 10, tableWidth, tableHeight); }
    HWND control() const { return windowOf(table); }

    int stateImage(int row) const {
        const auto state = SendMessageA(control(), LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK);
        return static_cast<int>((state & LVIS_STATEIMAGEMASK) >> stateShift);
    }
    bool selectedInControl(int row) const {
        return (SendMessageA(control(), LVM_GETITEMSTATE, row, LVIS_SELECTED) & LVIS_SELECTED) != 0;
    }
    JovString textInControl(int row, int column) const {
        char text[textLength] = {};
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = textLength;
        SendMessageA(control(), LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        return JovString(text);
    }
    // A point on the row's check box, found by asking the control.
    POINT checkBoxOf(int row) const {
        RECT bounds = {};
        bounds.left = LVIR_BOUNDS;
        SendMessageA(control(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&bounds));
        const int middle = (bounds.top + bounds.bottom) / 2;
        for (int x = bounds.left; x < bounds.right; ++x) {
            LVHITTESTINFO hit = {};
            hit.pt = POINT{x, middle};
            SendMessageA(control(), LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
            if ((hit.flags & LVHT_ONITEMSTATEICON) != 0) {
                return POINT{x + 2, middle};
            }
        }
        return POINT{-1, -1};
    }
    void clickCheckBox(int row) {
        const POINT at = checkBoxOf(row);
        ASSERT_GE(at.x, 0) << "no check box found in row " << row;
        click(control(), at.x, at.y);
    }
    POINT labelOf(int row) const {
        RECT label = {};
        label.left = LVIR_LABEL;
        SendMessageA(control(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&label));
        return POINT{(label.left + label.right) / 2, (label.top + label.bottom) / 2};
    }

    JovVector rows;
    JovVector columnNames;
    JovTable* table = nullptr;
    Listener listener;
};

TEST_F(JovTableTest, ColumnsAndCellsAreCopiedIntoTheControl) {
    show();
    ASSERT_NE(control(), nullptr);
    EXPECT_EQ(SendMessageA(control(), LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(textInControl(2, 0), JovString("Sorbinsäure"));
    EXPECT_EQ(textInControl(2, 2), JovString("Konservierungsstoff"));
    EXPECT_EQ(textInControl(1, 1), JovString("102"));
}

TEST_F(JovTableTest, CheckMarksSetBeforeThePeerAppearInTheControl) {
    table->setChecked(1, true);
    show();
    EXPECT_EQ(stateImage(0), uncheckedImage);
    EXPECT_EQ(stateImage(1), checkedImage);
    EXPECT_TRUE(table->isChecked(1));
    EXPECT_TRUE(listener.checks.empty());
}

TEST_F(JovTableTest, ProgramCheckReachesTheControlWithoutACheckEvent) {
    show();
    table->setChecked(2, true);
    EXPECT_EQ(stateImage(2), checkedImage);
    table->setChecked(2, false);
    EXPECT_EQ(stateImage(2), uncheckedImage);
    EXPECT_TRUE(listener.checks.empty());
}

TEST_F(JovTableTest, UserTickingACheckBoxNotifiesAndKeepsTheMark) {
    show();
    clickCheckBox(1);
    ASSERT_EQ(listener.checks.size(), 1u);
    EXPECT_EQ(listener.checks[0].row, 1);
    EXPECT_TRUE(listener.checks[0].checked);
    EXPECT_TRUE(table->isChecked(1));
    EXPECT_EQ(stateImage(1), checkedImage);
    clickCheckBox(1);
    ASSERT_EQ(listener.checks.size(), 2u);
    EXPECT_FALSE(listener.checks[1].checked);
    EXPECT_FALSE(table->isChecked(1));
}

TEST_F(JovTableTest, ConsumingTheCheckEventRefusesTheUsersChange) {
    show();
    listener.refuse = true;
    clickCheckBox(0);
    ASSERT_EQ(listener.checks.size(), 1u);
    EXPECT_FALSE(table->isChecked(0));
    EXPECT_EQ(stateImage(0), uncheckedImage);
}

TEST_F(JovTableTest, ClickingARowSelectsItAloneAndControlClickAddsRows) {
    show();
    table->setSelectedRow(1);
    POINT at = labelOf(0);
    click(control(), at.x, at.y);
    EXPECT_EQ(table->getSelectedRows(), (std::vector<int>{0}));
    at = labelOf(2);
    click(control(), at.x, at.y, MK_CONTROL);
    EXPECT_EQ(table->getSelectedRows(), (std::vector<int>{0, 2}));
}

TEST_F(JovTableTest, SelectionChangedInTheControlIsReadBackWithEvents) {
    show();
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED;
    item.state = LVIS_SELECTED;
    SendMessageA(control(), LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
    SendMessageA(control(), LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(table->getSelectedRows(), (std::vector<int>{0, 2}));
    EXPECT_EQ(listener.selectionEvents, (std::vector<int>{0, 2}));
    // Item -1 stands for every item.
    item.state = 0;
    SendMessageA(control(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(table->getSelectedRowCount(), 0);
}

TEST_F(JovTableTest, ProgramSelectionReachesTheControlAndItsListeners) {
    table->setRowSelected(1, true);
    show();
    EXPECT_TRUE(selectedInControl(1));
    table->setSelectedRow(2);
    EXPECT_FALSE(selectedInControl(1));
    EXPECT_TRUE(selectedInControl(2));
    EXPECT_EQ(SendMessageA(control(), LVM_GETSELECTEDCOUNT, 0, 0), 1);
    EXPECT_EQ(listener.selectionEvents, (std::vector<int>{1, 1, 2}));
}

TEST_F(JovTableTest, WidthsChangedInTheControlAreReadBackAndKeptAboveTheMinimum) {
    table->setColumnWidth(1, 90);
    table->setColumnMinWidth(2, 60);
    show();
    EXPECT_EQ(SendMessageA(control(), LVM_GETCOLUMNWIDTH, 1, 0), 90);
    SendMessageA(control(), LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(140, 0));
    EXPECT_EQ(table->getColumnWidth(1), 140);
    const HWND header = reinterpret_cast<HWND>(SendMessageA(control(), LVM_GETHEADER, 0, 0));
    HDITEMA item = {};
    item.mask = HDI_WIDTH;
    item.cxy = 120;
    SendMessageA(header, HDM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(table->getColumnWidth(0), 120);
    item.cxy = 20;
    SendMessageA(header, HDM_SETITEMA, 2, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(table->getColumnWidth(2), 60);
    EXPECT_EQ(SendMessageA(control(), LVM_GETCOLUMNWIDTH, 2, 0), 60);
}

TEST_F(JovTableTest, WidthsDraggedByTheUserOutliveTheControl) {
    show();
    SendMessageA(control(), LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(170, 0));
    table->addRef();
    frame->remove(table);
    EXPECT_EQ(table->getPeer(), nullptr);
    EXPECT_EQ(table->getColumnWidth(0), 170);
    table->release();
}

TEST_F(JovTableTest, RightAlignedColumnIsRightAlignedInTheControl) {
    table->setColumnAlignment(1, JovTableColumn::RIGHT);
    show();
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT;
    SendMessageA(control(), LVM_GETCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_RIGHT);
}

TEST_F(JovTableTest, InsertedAndDeletedRowsKeepMarksWithTheirRows) {
    table->setChecked(2, true);
    show();
    auto* row = new JovVector();
    row->addElement("Zwiebeln");
    row->addElement("104");
    row->addElement("");
    rows.insertElementAt(row, 0);
    table->rowsInserted(0, 0);
    EXPECT_TRUE(table->isChecked(3));
    EXPECT_FALSE(table->isChecked(0));
    EXPECT_EQ(stateImage(3), checkedImage);
    EXPECT_EQ(textInControl(0, 0), JovString("Zwiebeln"));
    table->rowsDeleted(1, 1);
    rows.removeElementAt(1);
    EXPECT_EQ(SendMessageA(control(), LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_TRUE(table->isChecked(2));
    EXPECT_EQ(textInControl(1, 0), JovString("Kartoffeln"));
}

TEST_F(JovTableTest, RendererGivesTheTextAndThePictureOfTheFirstColumn) {
    MarkingRenderer renderer;
    table->setCellRenderer(&renderer);
    show();
    EXPECT_EQ(textInControl(0, 0), JovString("* Karotten"));
    EXPECT_EQ(textInControl(0, 1), JovString("101"));
    LVITEMA item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = 0;
    SendMessageA(control(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.iImage, 0);
    table->setCellRenderer(nullptr);
    EXPECT_EQ(textInControl(0, 0), JovString("Karotten"));
}

TEST_F(JovTableTest, DoubleClickAndRightClickReachTheMouseListeners) {
    ClickRecorder clicks;
    table->addMouseListener(&clicks);
    show();
    const POINT at = labelOf(1);
    PostMessageA(control(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    PostMessageA(control(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    PostMessageA(control(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
    PostMessageA(control(), WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    pumpFor(100);
    EXPECT_NE(std::find(clicks.clickCounts.begin(), clicks.clickCounts.end(), 2),
              clicks.clickCounts.end());
    EXPECT_EQ(clicks.popups, 1);
    EXPECT_EQ(table->getSelectedRow(), 1);
    table->removeMouseListener(&clicks);
}

TEST_F(JovTableTest, RowsOutOfRangeChangeNothing) {
    table->setChecked(7, true);
    table->setRowSelected(-1, true);
    table->rowsInserted(5, 9);
    show();
    EXPECT_FALSE(table->isChecked(7));
    EXPECT_EQ(table->getSelectedRow(), -1);
    EXPECT_EQ(table->getValueAt(3, 0), nullptr);
    EXPECT_EQ(SendMessageA(control(), LVM_GETITEMCOUNT, 0, 0), 3);
}

} // namespace
