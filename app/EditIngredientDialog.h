// An ingredient's master data, for a new ingredient or an existing one: article number, name,
// labelling, meat share, portion kind, sales name, additive class, grammar and dative plural.
// Nothing is stored: the caller saves the ingredient on "OK".
#pragma once

#include "app/ItemDialog.h"

class Ingredient;
class JovCheckBox;
class JovChoice;

class EditIngredientDialog : public ItemDialog {
public:
    static constexpr const char* placeholder = "<Neue Zutat>";
    static constexpr const char* nameMissing =
        "Es wurde kein Name eingegeben.\nBitte geben Sie einen Zutatennamen ein.";
    static constexpr const char* meatCommand = "faAngeben";
    static constexpr const char* portionCommand = "checkPortion";
    static constexpr const char* classCommand = "checkIngrClass";
    // The portion kinds in the choice's order, and their codes.
    static constexpr int portionCount = 3;
    static constexpr const char* portionNames[portionCount] = {"Hauptessen", "Gemüse", "Beilage"};
    static constexpr const char* portionCodes[portionCount] = {"he", "ge", "be"};
    // The additive classes the ingredient list names additives by.
    static constexpr int classCount = 23;
    static constexpr const char* classNames[classCount] = {"Farbstoff",
                                                           "Konservierungsstoff",
                                                           "Antioxidationsmittel",
                                                           "Emulgator",
                                                           "Verdickungsmittel",
                                                           "Geliermittel",
                                                           "Stabilisator",
                                                           "Geschmacksverstärker",
                                                           "Säuerungsmittel",
                                                           "Säureregulator",
                                                           "Trennmittel",
                                                           "modifizierte Stärke",
                                                           "Süßstoff",
                                                           "Backtriebmittel",
                                                           "Schaumverhüter",
                                                           "Überzugsmittel",
                                                           "Schmelzsalz",
                                                           "Mehlbehandlungsmittel",
                                                           "Festigungsmittel",
                                                           "Feuchthaltemittel",
                                                           "Füllstoff",
                                                           "Treibgas",
                                                           "Zucker"};

    // database: the connection for the test of a new article number.
    EditIngredientDialog(JovWindow* owner, Ingredient* ingredient, bool isNew,
                         ConnectionOwner* database);

    JovCheckBox* getLabellingBox() const { return labellingBox; }
    JovCheckBox* getMeatBox() const { return meatBox; }
    JovTextField* getMeatField() const { return meatField; }
    JovCheckBox* getPortionBox() const { return portionBox; }
    JovChoice* getPortionChoice() const { return portionChoice; }
    JovTextField* getSalesNameField() const { return salesNameField; }
    JovCheckBox* getClassBox() const { return classBox; }
    JovChoice* getClassChoice() const { return classChoice; }
    JovCheckBox* getFemaleBox() const { return femaleBox; }
    JovCheckBox* getPluralBox() const { return pluralBox; }
    JovTextField* getDativeField() const { return dativeField; }

protected:
    void storeValues() const override;
    // The three boxes enable the control they stand for.
    void commandChosen(const JovString& command) override;
    const char* placeholderName() const override { return placeholder; }
    const char* nameMissingText() const override { return nameMissing; }
    bool isTaken(const JovString& idText, Connection* connection) const override;

private:
    void buildRows();
    void updateEnabling();
    JovString dativeCaption() const;
    // The choice of names with selected chosen, or the first name when selected is none of them.
    static JovChoice* choiceOf(const char* const names[], int count, const JovString& selected);
    static JovString portionNameOf(const JovString& code);

    Ingredient* ingredient;
    JovCheckBox* labellingBox;
    JovCheckBox* meatBox;
    JovTextField* meatField;
    JovCheckBox* portionBox;
    JovChoice* portionChoice;
    JovTextField* salesNameField;
    JovCheckBox* classBox;
    JovChoice* classChoice;
    JovCheckBox* femaleBox;
    JovCheckBox* pluralBox;
    JovTextField* dativeField;
};
