// The menu table: search results, the one ticked row whose menu the composition tree shows, and
// the menu commands of setup mode.

#include "app/MessagePanel.h"

#include "app/EditMenuDialog.h"
#include "app/MainFrame.h"
#include "app/MenuTree.h"
#include "app/PanelDialogs.h"
#include "app/model/ExceptionReport.h"
#include "app/model/ItemSearch.h"
#include "app/model/Menu.h"
#include "awt/JovImageIcon.h"
#include "awt/JovTable.h"
#include "awt/event/JovTableCheckEvent.h"
#include "lang/JovException.h"
#include "util/JovResourceBundle.h"

namespace {

constexpr const char* nameTitle = "Name";
constexpr const char* resourceFile = "properties/text";
constexpr const char* idTitleKey = "ART_NR";
// The column title when the resource file cannot be read.
constexpr const char* idTitleFallback = "Art.-Nr.";
constexpr const char* designationTitle = "Verkehrsbezeichnung";
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
    : ItemTablePanel(frame, labelView, titles(), true) {
    frame->setHighestMenuId(0);
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
    ItemTablePanel::removeAllRows();
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
    refill(ItemSearch::menuQuery(term, MainFrame::isSetupMode()));
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

void MessagePanel::appendFound(ResultSet& found) {
    JovReference<Menu> menu(new Menu(found));
    appendSilently(menu.get());
}

bool MessagePanel::isEditable(int row) const {
    return menuAt(row)->getId() > Menu::reservedId;
}

Menu* MessagePanel::menuAt(int row) const {
    return static_cast<Menu*>(itemAt(row));
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

void MessagePanel::createItem() {
    const JovString name = newItemName(EditMenuDialog::placeholder);
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
