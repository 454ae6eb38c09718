// The menu table: search results, the one ticked row whose menu the composition tree shows, and
// the menu commands of setup mode.

#include "app/MessagePanel.h"

#include "app/EditMenuDialog.h"
#include "app/MainFrame.h"
#include "app/MenuTree.h"
#include "app/PanelDialogs.h"
#include "app/SearchPanel.h"
#include "app/model/ExceptionReport.h"
#include "app/model/ItemSearch.h"
#include "app/model/Menu.h"
#include "app/model/ScopedStatement.h"
#include "awt/JovBorderLayout.h"
#include "awt/JovButton.h"
#include "awt/JovImageIcon.h"
#include "awt/JovTable.h"
#include "awt/JovTableColumn.h"
#include "awt/event/JovActionEvent.h"
#include "awt/event/JovMouseEvent.h"
#include "awt/event/JovTableCheckEvent.h"
#include "lang/JovException.h"
#include "sql/ResultSet.h"
#include "util/JovResourceBundle.h"

namespace {

constexpr const char* componentName = "Meldungen";
constexpr const char* nameTitle = "Name";
constexpr const char* resourceFile = "properties/text";
constexpr const char* idTitleKey = "ART_NR";
// The column title when the resource file cannot be read.
constexpr const char* idTitleFallback = "Art.-Nr.";
constexpr const char* designationTitle = "Verkehrsbezeichnung";
constexpr int idColumn = 1;
constexpr int designationColumn = 2;

constexpr const char* severalTitle = "Löschen mehrerer Menüs bestätigen";
constexpr const char* severalText =
    "Sind Sie sicher, dass Sie mehrere Menüs\nunwiderruflich löschen wollen?";
constexpr const char* oneTitle = "Löschen eines Menüs bestätigen";
constexpr const char* oneText =
    "Sind Sie sicher, dass Sie das Menü\n'{0}' (Art.-Nr.: {1})\nunwiderruflich löschen wollen?";
// Whatever the menus look like, their picture is one and the same.
constexpr const char* menuPictureKind = "menu";

JovString idTitle() {
    try {
        return JovResourceBundle::getBundle(resourceFile)->getString(idTitleKey);
    } catch (const JovException& exception) {
        ExceptionReport::toStandardOutput(exception);
        return idTitleFallback;
    }
}

JovVector titles() {
    JovVector names;
    names.addElement(nameTitle);
    names.addElement(idTitle());
    names.addElement(designationTitle);
    return names;
}

void fillRow(JovVector& row, Menu* menu) {
    row.removeAllElements();
    row.addElement(menu);
    // The reserved menu 0 is a scratch area, not an article.
    row.addElement(menu->getId() == Menu::reservedId ? JovString()
                                                     : JovString::valueOf(menu->getId()));
    row.addElement(menu->getLabelName());
}

} // namespace

MessagePanel::MessagePanel(MainFrame* frame, GageView* labelView)
    : JovPanel(new JovBorderLayout()), frame(frame), labelView(labelView), columnNames(titles()),
      table(new JovTable(rows, columnNames)), searchPanel(new SearchPanel(frame, true)),
      popupMenu(new ItemPopupMenu(this)) {
    setName(componentName);
    table->setColumnAlignment(idColumn, JovTableColumn::RIGHT);
    table->setCellRenderer(this);
    table->addCheckListener(this);
    table->addMouseListener(this);
    add(searchPanel, JovString(JovBorderLayout::NORTH));
    add(table, JovString(JovBorderLayout::CENTER));
    JovButton* newButton = getNewButton();
    newButton->setVisible(false);
    newButton->setActionCommand(ItemPopupMenu::newCommand);
    newButton->addActionListener(this);
    frame->setHighestMenuId(0);
}

JovButton* MessagePanel::getNewButton() const {
    return searchPanel->getNewButton();
}

void MessagePanel::requestFocus() {
    table->requestFocus();
}

void MessagePanel::addRow(Menu* menu) {
    insertRow(menu, rows.size());
}

void MessagePanel::insertRow(Menu* menu, int index) {
    if (index < 0 || index > rows.size()) {
        index = rows.size();
    }
    auto* row = new JovVector();
    fillRow(*row, menu);
    rows.insertElementAt(row, index);
    raiseHighestMenuId(*menu);
    if (tickedRow >= index) {
        ++tickedRow;
    }
    table->rowsInserted(index, index);
    markIfLoaded(index);
}

void MessagePanel::removeRow(int index) {
    if (index < 0 || index >= rows.size()) {
        return;
    }
    rows.removeElementAt(index);
    table->rowsDeleted(index, index);
    if (index == tickedRow) {
        tickedRow = -1;
    } else if (index < tickedRow) {
        --tickedRow;
    }
}

void MessagePanel::removeAllRows() {
    const int shown = table->getAnnouncedRowCount();
    rows.removeAllElements();
    if (shown > 0) {
        table->rowsDeleted(0, shown - 1);
    }
    tickedRow = -1;
}

void MessagePanel::tickRow(int row) {
    if (row < 0 || row >= rows.size()) {
        return;
    }
    MenuTree* tree = frame->getMenuTree();
    if (tree->isModified()) {
        tree->askToSave(false);
    }
    tree->removeTopLevelNodes();
    // Only one row is ever ticked, so clearing the old tick clears them all.
    if (tickedRow >= 0 && tickedRow != row) {
        table->setChecked(tickedRow, false);
    }
    table->setChecked(row, true);
    tickedRow = row;
    tickedMenuId = menuAt(row)->getId();
    tree->loadMenu(tickedMenuId);
}

void MessagePanel::showDesignation(int menuId, const JovString& designation) {
    const int row = rowOfMenu(menuId);
    if (row < 0) {
        return;
    }
    menuAt(row)->setVerkehrsbezeichnung(designation);
    static_cast<JovVector*>(rows.elementAt(row))
        ->setElementAt(new JovString(designation), designationColumn);
    table->rowsChanged(row, row);
}

void MessagePanel::showSearchResult(const JovString& term) {
    removeAllRows();
    try {
        ScopedStatement statement(frame->getConnection());
        ResultSet* found =
            statement.executeQuery(ItemSearch::menuQuery(term, MainFrame::isSetupMode()));
        while (found != nullptr && found->next()) {
            JovReference<Menu> menu(new Menu(*found));
            appendSilently(menu.get());
        }
    } catch (const JovException& exception) {
        ExceptionReport::toStandardOutput(exception);
    }
    if (!rows.isEmpty()) {
        table->rowsInserted(0, rows.size() - 1);
    }
}

void MessagePanel::actionPerformed(JovActionEvent& event) {
    const JovString& command = event.getActionCommand();
    try {
        if (command == JovString(ItemPopupMenu::newCommand)) {
            createMenu();
        } else if (command == JovString(ItemPopupMenu::editCommand)) {
            editSelected();
        } else if (command == JovString(ItemPopupMenu::deleteCommand)) {
            deleteSelected();
        }
    } catch (const JovException& exception) {
        PanelDialogs::showDatabaseError(this, exception);
    }
}

void MessagePanel::stateChanged(ChangeEvent& event) {
    auto* check = dynamic_cast<JovTableCheckEvent*>(&event);
    if (check == nullptr) {
        return;
    }
    // The ticks are a single choice the panel sets itself: clearing is refused, ticking moves it.
    check->consume();
    if (!check->isChecked()) {
        return;
    }
    try {
        tickRow(check->getRow());
    } catch (const JovException& exception) {
        PanelDialogs::showDatabaseError(this, exception);
    }
}

void MessagePanel::valueChanging(JovListSelectionEvent&) {
}

void MessagePanel::valueChanged(JovListSelectionEvent&) {
}

void MessagePanel::keyPressed(JovKeyEvent&) {
}

void MessagePanel::keyReleased(JovKeyEvent&) {
}

void MessagePanel::keyTyped(JovKeyEvent&) {
}

void MessagePanel::mouseClicked(JovMouseEvent& event) {
    const int row = table->getSelectedRow();
    if (event.getClickCount() != 2 || !MainFrame::isSetupMode() || row < 0 ||
        menuAt(row)->getId() <= Menu::reservedId) {
        return;
    }
    try {
        editSelected();
    } catch (const JovException& exception) {
        PanelDialogs::showDatabaseError(this, exception);
    }
}

void MessagePanel::mousePressed(JovMouseEvent& event) {
    showPopupMenu(event);
}

void MessagePanel::mouseReleased(JovMouseEvent& event) {
    showPopupMenu(event);
}

void MessagePanel::mouseEntered(JovMouseEvent&) {
}

void MessagePanel::mouseExited(JovMouseEvent&) {
}

void MessagePanel::focusGained(JovFocusEvent&) {
}

void MessagePanel::focusLost(JovFocusEvent&) {
}

JovString MessagePanel::getCellText(JovTable&, JovObject* value, int, int column) {
    if (value == nullptr) {
        return JovString();
    }
    const auto* menu = column == 0 ? dynamic_cast<const Menu*>(value) : nullptr;
    return menu != nullptr ? menu->getName() : value->toString();
}

JovImage* MessagePanel::getCellImage(JovTable&, JovObject* value, int, int) {
    const auto* menu = dynamic_cast<const Menu*>(value);
    if (menu == nullptr) {
        return nullptr;
    }
    return pictures.imageFor(menuPictureKind, [menu] { return menu->getIcon(); });
}

JovString MessagePanel::toString() const {
    return "tarvelund.main.MessagePanel";
}

Menu* MessagePanel::menuAt(int row) const {
    const auto* cells = static_cast<const JovVector*>(rows.elementAt(row));
    return cells != nullptr ? static_cast<Menu*>(cells->elementAt(0)) : nullptr;
}

int MessagePanel::rowOfMenu(int menuId) const {
    if (tickedRow >= 0 && tickedRow < rows.size() && menuAt(tickedRow)->getId() == menuId) {
        return tickedRow;
    }
    for (int row = 0; row < rows.size(); ++row) {
        if (menuAt(row)->getId() == menuId) {
            return row;
        }
    }
    return -1;
}

void MessagePanel::appendSilently(Menu* menu) {
    auto* row = new JovVector();
    fillRow(*row, menu);
    rows.addElement(row);
    raiseHighestMenuId(*menu);
    markIfLoaded(rows.size() - 1);
}

void MessagePanel::raiseHighestMenuId(const Menu& menu) {
    if (menu.getId() > frame->getHighestMenuId()) {
        frame->setHighestMenuId(menu.getId());
    }
}

void MessagePanel::markIfLoaded(int row) {
    if (menuAt(row)->getId() != tickedMenuId) {
        return;
    }
    tickedRow = row;
    table->setChecked(row, true);
}

void MessagePanel::showPopupMenu(JovMouseEvent& event) {
    if (event.isPopupTrigger() && table->getSelectedRow() >= 0) {
        popupMenu->showAt(table, event.getX(), event.getY());
    }
}

void MessagePanel::createMenu() {
    JovString name = searchPanel->getSearchText().trim();
    if (name.length() == 0) {
        name = EditMenuDialog::placeholder;
    }
    const int highestBefore = frame->getHighestMenuId();
    JovReference<Menu> menu(new Menu(name, highestBefore + 1));
    frame->setHighestMenuId(highestBefore + 1);
    if (!PanelDialogs::confirmed(new EditMenuDialog(frame, menu.get(), true, frame)) ||
        !PanelDialogs::stored(this, *menu, true, frame->getConnection())) {
        frame->setHighestMenuId(highestBefore);
        return;
    }
    addRow(menu.get());
}

void MessagePanel::editSelected() {
    const int row = table->getSelectedRow();
    if (row < 0) {
        return;
    }
    // Edited on a copy, so a refused write leaves the row as it was.
    JovReference<Menu> edited(new Menu(*menuAt(row)));
    if (!PanelDialogs::confirmed(new EditMenuDialog(frame, edited.get(), false, frame)) ||
        !PanelDialogs::stored(this, *edited, false, frame->getConnection())) {
        return;
    }
    fillRow(*static_cast<JovVector*>(rows.elementAt(row)), edited.get());
    table->rowsChanged(row, row);
    // The tree shows the edited values only after loading the menu again.
    if (row == tickedRow) {
        tickRow(row);
    }
}

void MessagePanel::deleteSelected() {
    const int selected = table->getSelectedRowCount();
    if (selected > 1) {
        if (!PanelDialogs::confirm(this, severalText, severalTitle)) {
            return;
        }
        for (int i = 0; i < selected; ++i) {
            if (!deleteRow(table->getSelectedRow())) {
                return;
            }
        }
        return;
    }
    const int row = table->getSelectedRow();
    if (row >= 0 &&
        PanelDialogs::confirm(this, PanelDialogs::aboutItem(oneText, *menuAt(row)), oneTitle)) {
        deleteRow(row);
    }
}

bool MessagePanel::deleteRow(int row) {
    if (row < 0) {
        return false;
    }
    const Menu& menu = *menuAt(row);
    const int id = menu.getId();
    try {
        menu.remove(frame->getConnection());
    } catch (const JovException& exception) {
        PanelDialogs::showDatabaseError(this, exception);
        return false;
    }
    // The next new menu gets the number back.
    if (id == frame->getHighestMenuId()) {
        frame->setHighestMenuId(id - 1);
    }
    if (row != tickedRow) {
        removeRow(row);
        return true;
    }
    // Dropped unsaved: the save question must not write shares of a menu that is gone.
    frame->getMenuTree()->removeTopLevelNodes();
    removeRow(row);
    tickedMenuId = -1;
    tickRow(0);
    return true;
}
