// The table on a real list view: check boxes, selection both ways, column widths and alignment,
// inserted and deleted rows, and the cell renderer.
#include "awt/JovTable.h"

#include "ListViewProbe.h"
#include "WidgetTest.h"
#include "awt/JovTableCellRenderer.h"
#include "awt/JovTableColumn.h"
#include "awt/windows/JovWImage.h"
#include "lang/JovReference.h"

#include <commctrl.h>

#include <vector>

namespace {

constexpr int tableWidth = 500;
constexpr int tableHeight = 300;
constexpr int settleMilliseconds = 100;
// A drawn check mark has at least this many dark pixels more than an empty box.
constexpr int markStrokePixels = 5;

// Shows the name with a mark and a picture in front of the first column.
class MarkingRenderer : public JovTableCellRenderer {
public:
    MarkingRenderer() : picture(new JovWImage(16, 16)) {}

    JovString getCellText(JovTable&, JovObject* value, int, int column) override {
        const JovString text = value != nullptr ? value->toString() : JovString();
        return column == 0 ? "* " + text : text;
    }
    JovImage* getCellImage(JovTable&, JovObject*, int, int) override { return picture.get(); }

private:
    JovReference<JovWImage> picture;
};

class JovTableTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        columnNames.addElement("Name");
        columnNames.addElement("Art.-Nr.");
        columnNames.addElement("Klasse");
        rows.addElement(rowOf("Karotten", "101", ""));
        rows.addElement(rowOf("Kartoffeln", "102", ""));
        rows.addElement(rowOf("Sorbinsäure", "103", "Konservierungsstoff"));
        table = new JovTable(rows, columnNames);
        table->addCheckListener(&log);
        table->addListSelectionListener(&log);
    }

    void TearDown() override {
        // The rows die with the table; the fixture's handles must not keep them alive.
        rows.removeAllElements();
        columnNames.removeAllElements();
        WidgetTest::TearDown();
    }

    static JovVector* rowOf(const char* name, const char* id, const char* additiveClass) {
        auto* row = new JovVector();
        row->addElement(name);
        row->addElement(id);
        row->addElement(additiveClass);
        return row;
    }

    void show() { place(table, 10, 10, tableWidth, tableHeight); }
    HWND control() const { return windowOf(table); }

    ListViewProbe view() const { return ListViewProbe(control()); }
    void clickCheckBox(int row) {
        const POINT at = view().checkBoxOf(row);
        ASSERT_GE(at.x, 0) << "no check box found in row " << row;
        click(control(), at.x, at.y);
    }

    JovVector rows;
    JovVector columnNames;
    JovTable* table = nullptr;
};

TEST_F(JovTableTest, ColumnsAndCellsAreCopiedIntoTheControl) {
    show();
    ASSERT_NE(control(), nullptr);
    EXPECT_EQ(view().rowCount(), 3);
    EXPECT_EQ(view().text(2, 0), "Sorbinsäure");
    EXPECT_EQ(view().text(2, 2), "Konservierungsstoff");
    EXPECT_EQ(view().text(1, 1), "102");
}

TEST_F(JovTableTest, ProgramChecksBeforeOrAfterThePeerReachTheControlWithoutACheckEvent) {
    table->setChecked(1, true);
    show();
    EXPECT_EQ(view().stateImage(0), ListViewProbe::uncheckedImage);
    EXPECT_EQ(view().stateImage(1), ListViewProbe::checkedImage);
    EXPECT_TRUE(table->isChecked(1));
    table->setChecked(2, true);
    EXPECT_EQ(view().stateImage(2), ListViewProbe::checkedImage);
    table->setChecked(2, false);
    EXPECT_EQ(view().stateImage(2), ListViewProbe::uncheckedImage);
    EXPECT_EQ(log.count("check"), 0);
}

// Marks set while a table is hidden (another tab) are drawn when it shows again.
TEST_F(JovTableTest, MarksSetWhileHiddenAreDrawnWhenShown) {
    show();
    table->setChecked(1, true);
    table->setVisible(false);
    table->setChecked(1, false);
    table->setChecked(2, true);
    table->setVisible(true);
    pumpFor(settleMilliseconds);
    const int clear = view().darkPixelsOfCheckBox(1);
    EXPECT_GT(view().darkPixelsOfCheckBox(2), clear + markStrokePixels);
    table->setChecked(2, false);
    pumpFor(settleMilliseconds);
    EXPECT_EQ(view().darkPixelsOfCheckBox(2), clear);
}

TEST_F(JovTableTest, UserTickingACheckBoxNotifiesAndKeepsTheMarkUnlessTheEventIsConsumed) {
    show();
    clickCheckBox(1);
    EXPECT_EQ(log.matching("check"), Entries{"check 1 on"});
    EXPECT_TRUE(table->isChecked(1));
    EXPECT_EQ(view().stateImage(1), ListViewProbe::checkedImage);
    clickCheckBox(1);
    EXPECT_FALSE(table->isChecked(1));
    log.consuming = true;
    clickCheckBox(0);
    EXPECT_EQ(log.matching("check"), (Entries{"check 1 on", "check 1 off", "check 0 on"}));
    EXPECT_FALSE(table->isChecked(0));
    EXPECT_EQ(view().stateImage(0), ListViewProbe::uncheckedImage);
}

TEST_F(JovTableTest, SpaceTicksTheFocusedRowOnceAndShiftClickSelectsARange) {
    show();
    const POINT first = view().labelOf(0);
    click(control(), first.x, first.y);
    pressKey(control(), VK_SPACE);
    EXPECT_EQ(log.matching("check"), Entries{"check 0 on"});
    EXPECT_EQ(view().stateImage(0), ListViewProbe::checkedImage);
    const POINT last = view().labelOf(2);
    click(control(), last.x, last.y, MK_SHIFT);
    EXPECT_EQ(table->getSelectedRows(), (std::vector<int>{0, 1, 2}));
}

TEST_F(JovTableTest, TypingSelectsTheNextRowStartingWithTheLetters) {
    show();
    type(control(), "s");
    EXPECT_EQ(table->getSelectedRows(), std::vector<int>{2});
    type(control(), "x");
    EXPECT_EQ(table->getSelectedRows(), std::vector<int>{2});
}

// Deletion announced before the rows leave the vector is the notification tests' case.
TEST_F(JovTableTest, SelectionAndMarksMoveWithTheirRowsWhenRowsComeOrGo) {
    table->setSelectedRow(1);
    table->setChecked(2, true);
    show();
    rows.insertElementAt(rowOf("Zwiebeln", "104", ""), 0);
    table->rowsInserted(0, 0);
    EXPECT_EQ(view().text(0, 0), "Zwiebeln");
    EXPECT_TRUE(view().selected(2));
    EXPECT_FALSE(view().selected(1));
    EXPECT_TRUE(table->isChecked(3));
    EXPECT_FALSE(table->isChecked(0));
    EXPECT_EQ(view().stateImage(3), ListViewProbe::checkedImage);
    rows.removeElementAt(0);
    rows.removeElementAt(0);
    table->rowsDeleted(0, 1);
    EXPECT_EQ(view().rowCount(), 2);
    EXPECT_EQ(view().text(0, 0), "Kartoffeln");
    EXPECT_TRUE(view().selected(0));
    EXPECT_EQ(SendMessageA(control(), LVM_GETSELECTEDCOUNT, 0, 0), 1);
    EXPECT_TRUE(table->isChecked(1));
    EXPECT_EQ(view().stateImage(1), ListViewProbe::checkedImage);
}

TEST_F(JovTableTest, ClickingARowSelectsItAloneAndControlClickAddsRows) {
    show();
    table->setSelectedRow(1);
    POINT at = view().labelOf(0);
    click(control(), at.x, at.y);
    EXPECT_EQ(table->getSelectedRows(), (std::vector<int>{0}));
    at = view().labelOf(2);
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
    EXPECT_EQ(log.matching("listSelection"), (Entries{"listSelection 0", "listSelection 2"}));
    // Item -1 stands for every item.
    item.state = 0;
    SendMessageA(control(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(table->getSelectedRowCount(), 0);
}

TEST_F(JovTableTest, ProgramSelectionReachesTheControlAndItsListeners) {
    table->setRowSelected(1, true);
    show();
    EXPECT_TRUE(view().selected(1));
    table->setSelectedRow(2);
    EXPECT_FALSE(view().selected(1));
    EXPECT_TRUE(view().selected(2));
    EXPECT_EQ(SendMessageA(control(), LVM_GETSELECTEDCOUNT, 0, 0), 1);
    EXPECT_EQ(log.matching("listSelection"),
              (Entries{"listSelection 1", "listSelection 1", "listSelection 2"}));
}

TEST_F(JovTableTest, ColumnWidthsAreReadBackAboveTheMinimumAndAlignmentReachesTheControl) {
    table->setColumnAlignment(1, JovTableColumn::RIGHT);
    table->setColumnWidth(1, 90);
    table->setColumnMinWidth(2, 60);
    show();
    EXPECT_EQ(view().columnWidth(1), 90);
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
    EXPECT_EQ(view().columnWidth(2), 60);
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT;
    SendMessageA(control(), LVM_GETCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_RIGHT);
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

TEST_F(JovTableTest, RendererGivesTheTextAndThePictureOfTheFirstColumn) {
    MarkingRenderer renderer;
    table->setCellRenderer(&renderer);
    show();
    EXPECT_EQ(view().text(0, 0), "* Karotten");
    EXPECT_EQ(view().text(0, 1), "101");
    LVITEMA item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = 0;
    SendMessageA(control(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.iImage, 0);
    table->setCellRenderer(nullptr);
    EXPECT_EQ(view().text(0, 0), "Karotten");
}

TEST_F(JovTableTest, DoubleClickAndRightClickReachTheMouseListeners) {
    EventLog clicks;
    table->addMouseListener(&clicks);
    show();
    const POINT at = view().labelOf(1);
    PostMessageA(control(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    PostMessageA(control(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    PostMessageA(control(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
    PostMessageA(control(), WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    pumpFor(100);
    EXPECT_EQ(clicks.count("clicked 2"), 1);
    EXPECT_EQ(clicks.count("released popup"), 1);
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
    EXPECT_EQ(view().rowCount(), 3);
}

} // namespace
