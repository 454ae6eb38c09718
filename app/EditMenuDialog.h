// The menu's master data: article number, name and the nutrition values per 100 g, with the
// energy shown in kcal while it is typed. Nothing is stored: the caller saves the menu on "OK".
#pragma once

#include "app/ItemDialog.h"
#include "awt/event/DocumentListener.h"

class JovLabel;
class Menu;

class EditMenuDialog : public ItemDialog, public DocumentListener {
public:
    static constexpr const char* placeholder = "<Neues Menü>";
    static constexpr const char* nameMissing =
        "Es wurde kein Name eingegeben.\nBitte geben Sie einen Menünamen ein.";
    // The nutrition rows as the dialog shows them: key, caption, unit.
    struct NutritionRow {
        const char* key;
        const char* caption;
        const char* unit;
    };
    static constexpr int nutritionCount = 9;
    static constexpr NutritionRow nutritionRows[nutritionCount] = {
        {"bw", "Brennwert:", "kJ/"},
        {"be", "BE:", ""},
        {"ew", "Eiweiß:", "g"},
        {"kh", "Kohlenhydrate:", "g,"},
        {"zu", "davon Zucker:", "g"},
        {"fe", "Fett:", "g,"},
        {"gf", "davon ges. Fettsäuren:", "g"},
        {"ba", "Ballaststoffe:", "g"},
        {"na", "Natrium:", "g"}};

    // database: the connection for the test of a new article number.
    EditMenuDialog(JovWindow* owner, Menu* menu, bool isNew, ConnectionOwner* database);

    // "n kcal" for an energy of kilojoules, cut toward zero.
    static JovString kcalText(double kilojoules);

    // The energy field keeps the kcal label current.
    void insertUpdate(DocumentEvent& event) override;
    void removeUpdate(DocumentEvent& event) override;
    void changedUpdate(DocumentEvent& event) override;

    // The field of the nutrition row at index (in the order of nutritionRows).
    JovTextField* getNutritionField(int index) const { return nutritionFields[index]; }
    JovLabel* getKcalLabel() const { return kcalLabel; }

protected:
    void storeValues() const override;
    const char* placeholderName() const override { return placeholder; }
    const char* nameMissingText() const override { return nameMissing; }
    bool isTaken(const JovString& idText, Connection* connection) const override;

private:
    static constexpr int energyRow = 0;

    void addNutritionRow(int index);

    Menu* menu;
    JovTextField* nutritionFields[nutritionCount];
    JovLabel* kcalLabel;
};
