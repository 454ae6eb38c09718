// The main window: built once at start, filled when its native window exists, closed in order.

#include "app/MainFrame.h"

#include "app/BackupRefresh.h"
#include "app/CustomersPanel.h"
#include "app/DatabaseStartup.h"
#include "app/GageView.h"
#include "app/MenuTree.h"
#include "app/MessagePanel.h"
#include "app/PasswordChangeDialog.h"
#include "app/PasswordDialog.h"
#include "app/StepsPanel.h"
#include "app/model/ExceptionReport.h"
#include "app/model/Menu.h"
#include "app/model/ScopedStatement.h"
#include "awt/JovBorderLayout.h"
#include "awt/JovButton.h"
#include "awt/JovCardLayout.h"
#include "awt/JovCheckboxMenuItem.h"
#include "awt/JovFlowLayout.h"
#include "awt/JovGridBagConstraints.h"
#include "awt/JovGridBagLayout.h"
#include "awt/JovImageIcon.h"
#include "awt/JovKeyStroke.h"
#include "awt/JovLabel.h"
#include "awt/JovMenu.h"
#include "awt/JovMenuBar.h"
#include "awt/JovPanel.h"
#include "awt/JovSplitPane.h"
#include "awt/JovTable.h"
#include "awt/JovTableColumn.h"
#include "awt/TabbedPane.h"
#include "awt/border/JovEmptyBorder.h"
#include "awt/event/JovActionEvent.h"
#include "awt/event/JovWindowEvent.h"
#include "lang/JovException.h"
#include "sql/ResultSet.h"

bool MainFrame::setupMode = false;

namespace {

constexpr int controlModifier = 4;
constexpr int keyE = 69;
constexpr int keyF1 = 112;
constexpr int treeWidth = 300;
constexpr int treeHeight = 100;
constexpr int aboutGap = 10;
constexpr int aboutBorder = 8;
constexpr int aboutButtonGap = 8;
constexpr int aboutButtonWidth = 70;
constexpr int aboutButtonHeight = 22;
constexpr const char* wizardCard = "etiquettes";
constexpr const char* aboutPicture = "images/etikett.bmp";
constexpr const char* scratchMenuQuery = "SELECT * FROM Menues WHERE ID = 0;";

JovMenuItem* commandItem(JovMenuItem* item, const char* command, JovActionListener* listener) {
    item->setActionCommand(command);
    item->addActionListener(listener);
    return item;
}

JovGridBagConstraints rightPanelRow(int row, double weighty) {
    return JovGridBagConstraints(0, row, 1, 1, 100.0, weighty, JovGridBagConstraints::CENTER,
                                 JovGridBagConstraints::BOTH, JovInsets(0, 0, 0, 0), 0, 0);
}

} // namespace

MainFrame::MainFrame() : connection(DatabaseStartup::open(MealsDatabase::dataSourceName)) {
    DatabaseStartup::stamp(connection.get());
    searchTimer.reset(new JovTimer(0, this));
    searchTimer->setDelay(searchDelay);
    // The search reads the shared connection and refills the tables: both belong to the UI thread.
    searchTimer->setDeliveredOnUiThread(true);
    setTitle(JovString());
    settings.reset(new Settings());
    settings->readFile();
    buildMenuBar();
    const Settings::Values values = settings->values();
    applySettings(values);
    buildContent(values);
}

MainFrame::~MainFrame() {
    if (connection) {
        connection->disconnect();
    }
}

void MainFrame::buildMenuBar() {
    auto* bar = new JovMenuBar();
    auto* file = new JovMenu("&Datei");
    file->add(commandItem(new JovMenuItem("&Beenden\tAlt+F4"), "close", this));
    bar->add(file);
    auto* options = new JovMenu("&Einstellungen");
    setupModeItem = new JovCheckboxMenuItem("&Eingabemodus...\tStrg+E");
    setupModeItem->setAccelerator(new JovKeyStroke(keyE, controlModifier));
    options->add(commandItem(setupModeItem, "setupMode", this));
    options->addSeparator();
    options->add(commandItem(new JovMenuItem("Passwort &ändern..."), "changePassword", this));
    bar->add(options);
    auto* help = new JovMenu("&?");
    help->add(
        commandItem(new JovMenuItem("Ü&ber...\tF1", new JovKeyStroke(keyF1, 0)), "info", this));
    bar->add(help);
    setMenuBar(bar);
}

void MainFrame::applySettings(const Settings::Values& values) {
    setBounds(values.bounds);
    setNormalBounds(values.normalBounds);
    setExtendedState(values.state);
    password = values.password;
    settingsVersion = values.version;
    previewDialog.reset(new PreviewDialog(this));
    previewDialog->setLocation(values.previewLocation.x, values.previewLocation.y);
    advertisementText = values.advertisementText;
}

void MainFrame::buildContent(const Settings::Values& values) {
    labelView = previewDialog->getGageView();
    ingredientPanel = new CustomersPanel(labelView, this);
    menuPanel = new MessagePanel(this, labelView);
    labelView->setAdvertisementText(advertisementText);
    splitPane = new JovSplitPane();
    add(splitPane);
    splitPane->setDividerLocation(values.dividerLocation);
    applyColumns(ingredientPanel->getTable(), values.ingredientColumns,
                 Settings::ingredientColumnCount);
    applyColumns(menuPanel->getTable(), values.menuColumns, Settings::menuColumnCount);
    menuTree = new MenuTree(this, ingredientPanel, menuPanel);
    splitPane->setLeftComponent(menuTree);
    menuTree->setPreferredSize(JovDimension(treeWidth, treeHeight));

    rightPanel = new JovPanel(new JovGridBagLayout());
    tabbedPane = new TabbedPane();
    tabbedPane->addTab("Menüs", menuPanel);
    tabbedPane->addTab("Zutaten", ingredientPanel);
    rightPanel->add(tabbedPane, rightPanelRow(0, 100.0));
    cardPanel = new JovPanel(new JovCardLayout());
    rightPanel->add(cardPanel, rightPanelRow(1, 0.0));
    splitPane->setRightComponent(rightPanel);

    stepsPanel = new StepsPanel(previewDialog.get());
    cardPanel->add(stepsPanel, JovString(wizardCard));
    stepsPanel->setAdvertisementText(advertisementText);
}

void MainFrame::applyColumns(JovTable* table, const Settings::Column* columns, int count) {
    for (int i = 0; i < count; ++i) {
        table->setColumnWidth(i, columns[i].width);
        table->setColumnMinWidth(i, columns[i].minimumWidth);
        if (columns[i].rightAligned) {
            table->setColumnAlignment(i, JovTableColumn::RIGHT);
        }
    }
}

void MainFrame::readColumns(JovTable* table, Settings::Column* columns, int count) {
    for (int i = 0; i < count; ++i) {
        columns[i].width = table->getColumnWidth(i);
    }
}

void MainFrame::addNotify() {
    JovFrame::addNotify();
    initialFill();
}

void MainFrame::initialFill() {
    menuSearchText = "*";
    searchMenus();
    ingredientSearchText = "*";
    searchIngredients();
    menuPanel->tickRow(0);
    menuTree->requestFocus();
    previewDialog->pack();
}

void MainFrame::searchIngredientsFor(const JovString& text) {
    ingredientSearchText = text;
    searchIngredientsPending = true;
    searchTimer->stop();
    searchTimer->restart();
}

void MainFrame::searchMenusFor(const JovString& text) {
    menuSearchText = text;
    searchIngredientsPending = false;
    searchTimer->stop();
    searchTimer->restart();
}

void MainFrame::searchIngredients() {
    ingredientPanel->showSearchResult(ingredientSearchText);
}

void MainFrame::searchMenus() {
    menuPanel->showSearchResult(menuSearchText);
}

void MainFrame::setTitle(const JovString& suffix) {
    if (suffix.length() > 0) {
        JovFrame::setTitle(JovString(titlePrefix) + "- " + suffix);
        return;
    }
    JovFrame::setTitle(titlePrefix);
}

void MainFrame::actionPerformed(JovActionEvent& event) {
    if (event.getSource() == searchTimer.get()) {
        if (searchIngredientsPending) {
            searchIngredients();
        } else {
            searchMenus();
        }
        return;
    }
    const JovString& command = event.getActionCommand();
    if (command == "changePassword") {
        changePassword();
    } else if (command == "close") {
        closeWindow();
    } else if (command == "setupMode") {
        setSetupMode(setupModeItem->getState(), false);
    } else if (command == "info") {
        showAbout();
    } else if (command == "infoOk" && aboutDialog != nullptr) {
        aboutDialog->dispose();
    }
}

void MainFrame::stateChanged(ChangeEvent&) {
}

void MainFrame::processWindowEvent(JovWindowEvent& event) {
    // Only closing is handled, and not passed on: a cancelled close leaves the window as it was.
    if (event.getID() == JovWindowEvent::WINDOW_CLOSING) {
        closeWindow();
    }
}

void MainFrame::changePassword() {
    JovReference<PasswordChangeDialog> dialog(new PasswordChangeDialog(this, password));
    dialog->setLocationRelativeTo(this);
    dialog->show();
    if (dialog->isConfirmed()) {
        password = dialog->getPassword();
    }
    dialog->dispose();
}

void MainFrame::showAbout() {
    if (aboutDialog != nullptr) {
        return;
    }
    JovReference<JovDialog> dialog(new JovDialog(this, "Über...", true));
    aboutDialog = dialog.get();
    dialog->setLayout(new JovBorderLayout(aboutGap, aboutGap));
    dialog->setBorder(new JovEmptyBorder(aboutBorder, aboutBorder, aboutBorder, aboutBorder));
    auto* picturePanel = new JovPanel(new JovBorderLayout());
    auto* picture = new JovLabel();
    picture->setIcon(new JovImageIcon(aboutPicture));
    picturePanel->add(picture, JovString("North"));
    dialog->add(picturePanel, JovString("West"));
    dialog->add(new JovLabel(versionTitle), JovString("Center"));
    auto* south = new JovPanel(new JovBorderLayout(aboutButtonGap, aboutButtonGap));
    auto* buttonRow = new JovPanel(new JovFlowLayout(JovFlowLayout::CENTER));
    auto* ok = new JovButton("OK");
    ok->setPreferredSize(JovDimension(aboutButtonWidth, aboutButtonHeight));
    ok->setActionCommand("infoOk");
    ok->addActionListener(this);
    buttonRow->add(ok);
    south->add(buttonRow, JovString("South"));
    dialog->add(south, JovString("South"));
    dialog->setDefaultButton(ok);
    dialog->pack();
    dialog->setInitialFocus(ok);
    dialog->setLocationRelativeTo(this);
    dialog->show();
    dialog->dispose();
    aboutDialog = nullptr;
}

bool MainFrame::setSetupMode(bool enter, bool closing) {
    if (!enter && menuTree->isModified()) {
        const int menuId = menuTree->askToSave(false);
        menuTree->removeTopLevelNodes();
        if (menuId > 0) {
            menuTree->loadMenu(menuId);
        }
    }
    JovReference<PasswordDialog> dialog(new PasswordDialog(this, enter, password));
    dialog->setLocationRelativeTo(this);
    dialog->show();
    const bool confirmed = dialog->isConfirmed();
    setupMode = enter ? confirmed : !confirmed;
    setupModeItem->setState(setupMode);
    showNewButtons(setupMode);
    const bool backup = confirmed && !enter && dialog->isBackupRequested();
    dialog->dispose();
    if (backup) {
        refreshBackup();
    }
    if (!connection) {
        // The database could not be opened again: the program is ending, nothing is reloaded.
        return confirmed;
    }
    if (confirmed && setupMode) {
        listScratchMenu();
    }
    if (confirmed && !setupMode && !closing) {
        unlistScratchMenu();
    }
    return confirmed;
}

void MainFrame::showNewButtons(bool shown) {
    ingredientPanel->getNewButton()->setVisible(shown);
    menuPanel->getNewButton()->setVisible(shown);
}

void MainFrame::refreshBackup() {
    connection.reset(BackupRefresh::run(connection.get()));
    if (!connection) {
        // The user was told the program ends; it ends in order, keeping the settings.
        endProgram();
    }
}

void MainFrame::listScratchMenu() {
    ScopedStatement statement(connection.get());
    ResultSet* rows = statement.executeQuery(scratchMenuQuery);
    while (rows != nullptr && rows->next()) {
        menuPanel->insertRow(new Menu(*rows), 0);
    }
}

void MainFrame::unlistScratchMenu() {
    JovTable* table = menuPanel->getTable();
    if (table->getRowCount() == 0) {
        return;
    }
    auto* first = dynamic_cast<Menu*>(table->getValueAt(0, 0));
    if (first == nullptr || first->getId() != 0) {
        return;
    }
    if (menuPanel->getTickedRow() == 0) {
        menuPanel->tickRow(1);
    }
    menuPanel->removeRow(0);
}

void MainFrame::closeWindow() {
    if (setupMode && !setSetupMode(false, true)) {
        return;
    }
    // Leaving setup mode may have ended the program already, when the database was lost.
    if (connection) {
        endProgram();
    }
}

void MainFrame::endProgram() {
    writeSettings();
    // The preview is a top-level window of its own: the program ends when both are gone.
    previewDialog->dispose();
    dispose();
}

void MainFrame::writeSettings() {
    Settings::Values values;
    values.password = password;
    values.bounds = getBounds();
    values.normalBounds = getNormalBounds();
    values.previewLocation = JovPoint(previewDialog->getX(), previewDialog->getY());
    values.state = getExtendedState();
    advertisementText = stepsPanel->getAdvertisementText();
    values.advertisementText = advertisementText;
    values.dividerLocation = splitPane->getDividerLocation();
    readColumns(ingredientPanel->getTable(), values.ingredientColumns,
                Settings::ingredientColumnCount);
    readColumns(menuPanel->getTable(), values.menuColumns, Settings::menuColumnCount);
    settings->setValues(values);
    settings->writeFile();
}

JovString MainFrame::toString() const {
    return versionTitle;
}
