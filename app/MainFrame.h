// The one top-level window: owns the connection, the settings, both table panels, the composition
// tree, the label wizard with its preview and the search timer; dispatches the menu commands.
#pragma once

#include "app/PreviewDialog.h"
#include "app/model/ConnectionOwner.h"
#include "app/model/Settings.h"
#include "awt/JovFrame.h"
#include "awt/JovTimer.h"
#include "awt/event/ChangeListener.h"
#include "awt/event/JovActionListener.h"
#include "lang/JovReference.h"
#include "sql/Connection.h"

class CustomersPanel;
class GageView;
class JovCheckboxMenuItem;
class JovDialog;
class JovPanel;
class JovSplitPane;
class JovTable;
class MenuTree;
class MessagePanel;
class StepsPanel;
class TabbedPane;

class MainFrame : public JovFrame,
                  public JovActionListener,
                  public ChangeListener,
                  public ConnectionOwner {
public:
    static constexpr const char* versionTitle = "Kalvenora - Etikett, Version 1.1.0_06 Demo";
    static constexpr const char* titlePrefix = "Kalvenora - Etikett ";
    static constexpr int searchDelay = 500;

    // Throws JovException after the "Datenbankfehler..." box when the database cannot be used.
    MainFrame();
    ~MainFrame() override;

    static bool isSetupMode() { return setupMode; }

    Connection* getConnection() const override { return connection.get(); }
    MenuTree* getMenuTree() const { return menuTree; }
    GageView* getLabelView() const { return labelView; }
    CustomersPanel* getIngredientPanel() const { return ingredientPanel; }
    MessagePanel* getMenuPanel() const { return menuPanel; }
    StepsPanel* getStepsPanel() const { return stepsPanel; }
    PreviewDialog* getPreviewDialog() const { return previewDialog.get(); }
    JovSplitPane* getSplitPane() const { return splitPane; }
    TabbedPane* getTabbedPane() const { return tabbedPane; }
    JovCheckboxMenuItem* getSetupModeItem() const { return setupModeItem; }

    int getHighestIngredientId() const { return highestIngredientId; }
    void setHighestIngredientId(int id) { highestIngredientId = id; }
    int getHighestMenuId() const { return highestMenuId; }
    void setHighestMenuId(int id) { highestMenuId = id; }

    // The timed search: each call replaces the pending one and restarts the pause.
    void searchIngredientsFor(const JovString& text);
    void searchMenusFor(const JovString& text);
    void searchIngredients();
    void searchMenus();

    bool setSetupMode(bool enter, bool closing);
    void setTitle(const JovString& suffix) override;

    void actionPerformed(JovActionEvent& event) override;
    void stateChanged(ChangeEvent& event) override;
    void processWindowEvent(JovWindowEvent& event) override;
    void addNotify() override;

    JovString toString() const override;

private:
    void buildMenuBar();
    void applySettings(const Settings::Values& values);
    void buildContent(const Settings::Values& values);
    void initialFill();
    void showAbout();
    void changePassword();
    void closeWindow();
    void endProgram();
    void writeSettings();
    void refreshBackup();
    void applyColumns(JovTable* table, const Settings::Column* columns, int count);
    void readColumns(JovTable* table, Settings::Column* columns, int count);
    void showNewButtons(bool shown);
    void listScratchMenu();
    void unlistScratchMenu();

    static bool setupMode;

    int highestIngredientId = 0;
    int highestMenuId = 0;
    JovReference<Connection> connection;
    MessagePanel* menuPanel = nullptr;
    JovSplitPane* splitPane = nullptr;
    JovDialog* aboutDialog = nullptr;
    GageView* labelView = nullptr;
    JovReference<Settings> settings;
    JovPanel* rightPanel = nullptr;
    JovCheckboxMenuItem* setupModeItem = nullptr;
    bool searchIngredientsPending = false;
    JovString password;
    int settingsVersion = 0;
    JovReference<PreviewDialog> previewDialog;
    StepsPanel* stepsPanel = nullptr;
    TabbedPane* tabbedPane = nullptr;
    JovPanel* cardPanel = nullptr;
    CustomersPanel* ingredientPanel = nullptr;
    MenuTree* menuTree = nullptr;
    JovString advertisementText;
    JovReference<JovTimer> searchTimer;
    JovString ingredientSearchText;
    JovString menuSearchText;
};
