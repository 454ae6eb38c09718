// One occurrence of an ingredient inside a menu or a composed ingredient: its weight and its share
// flags, for adding it or for changing it. Nothing is stored: on "OK" the values are written into
// the occurrence, which the composition tree then saves.
#pragma once

#include "app/FormDialog.h"
#include "lang/JovReference.h"

class Ingredient;
class JovCheckBox;
class JovLabel;
class JovTextField;

class AddIngredientDialog : public FormDialog {
public:
    static constexpr const char* addingSuffix = " zum Menü hinzufügen...";
    static constexpr const char* editingSuffix = " im Menü bearbeiten...";
    static constexpr const char* addingHeader =
        "Geben Sie zum Hinzufügen der Zutat\nfolgende Daten an:";
    static constexpr const char* editingHeader =
        "Folgende menübezogene Eigenschaften\nkönnen verändert werden:";
    static constexpr const char* variableNote = "Der Gewichtsanteil ist veränderlich.";
    static constexpr const char* weightCommand = "validMass";
    static constexpr const char* valueGivingCommand = "wertgebend";
    static constexpr const char* weightInvalidTitle = "Mengenangabe ungültig...";
    static constexpr const char* weightInvalidText =
        "Die eingegebene Mengenangabe ist ungültig.\nBitte geben Sie nur Grammzahlen größer 0,0 "
        "ein.";

    // What the composition tree knows about the place of the occurrence.
    struct Place {
        // The weight of the occurrence varies; it cannot be value-giving.
        bool variableShare;
        // The occurrence is itself composed: its weight may be given or summed up.
        bool composed;
        // There is no menu above a composed ingredient to relate a percentage to.
        bool noPercentageBasis;
    };

    AddIngredientDialog(JovWindow* owner, Ingredient* occurrence, bool adding, Place place);
    ~AddIngredientDialog() override;

    JovTextField* getWeightField() const { return weightField; }
    JovCheckBox* getWeightBox() const { return weightBox.get(); }
    JovCheckBox* getValueGivingBox() const { return valueGivingBox; }
    JovCheckBox* getBasisBox() const { return basisBox.get(); }
    JovCheckBox* getTitleBox() const { return titleBox; }
    JovCheckBox* getVariableBox() const { return variableBox; }

protected:
    void okChosen() override;
    void commandChosen(const JovString& command) override;

private:
    void buildRows(bool adding);
    void addWeightRow();
    void updateEnabling();
    // The weight is typed only when the occurrence is not composed or its weight is given.
    bool isWeightInUse() const;
    void storeValues() const;
    JovString labellingNote() const;

    JovReference<Ingredient> occurrence;
    Place place;
    // Held also when their rows are left out: they still carry the occurrence's values.
    JovReference<JovCheckBox> weightBox;
    JovTextField* weightField;
    JovLabel* unitLabel;
    JovCheckBox* valueGivingBox;
    JovReference<JovCheckBox> basisBox;
    JovCheckBox* titleBox;
    JovCheckBox* variableBox;
};
