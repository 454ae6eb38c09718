// The master-data dialogs of ingredients and menus: the article number and the name, checked in
// the same order for both, and the title that says whether the item is new.
#pragma once

#include "app/FormDialog.h"
#include "lang/JovReference.h"

class AbstractMeal;
class Connection;
class ConnectionOwner;
class JovTextField;

class ItemDialog : public FormDialog {
public:
    static constexpr const char* editSuffix = " bearbeiten...";
    static constexpr const char* addSuffix = " hinzufügen...";
    static constexpr const char* idMissingTitle = "Artikelnummer fehlt...";
    static constexpr const char* idMissingText =
        "Es wurde kein Artikelnummer eingegeben.\nBitte geben Sie eine Nummer ein.";
    static constexpr const char* idInvalidTitle = "Artikelnummer ungültig...";
    static constexpr const char* idInvalidText =
        "Die eingegebene Artikelnummer ist ungültig.\n"
        "Bitte geben Sie nur ganze Zahlen größer null ein.";
    static constexpr const char* idTakenTitle = "Artikelnummer schon vergeben...";
    static constexpr const char* idTakenPattern =
        "Die Artikelnummer '{0}' existiert bereits.\nBitte geben Sie eine neue Artikelnummer ein.";
    static constexpr const char* nameMissingTitle = "Name fehlt...";

    JovTextField* getIdField() const { return idField; }
    JovTextField* getNameField() const { return nameField; }

protected:
    // The item is held counted; database answers the connection for the test of a new number.
    ItemDialog(JovWindow* owner, AbstractMeal* item, bool isNew, ConnectionOwner* database);
    ~ItemDialog() override;

    // Checks the article number, then the name, and shows the first refusal; when both are
    // right, writes them and the other values into the item and closes with the result true.
    void okChosen() override;
    // Writes the form's values other than number and name into the item.
    virtual void storeValues() const = 0;

    // What a new item is called until it gets a name ("<Neue Zutat>").
    virtual const char* placeholderName() const = 0;
    virtual const char* nameMissingText() const = 0;
    // Whether a row of the item's table has the number.
    virtual bool isTaken(const JovString& idText, Connection* connection) const = 0;

private:
    static JovString titleFor(const AbstractMeal* item, bool isNew);
    bool acceptId(int& id);
    bool acceptName();
    void refuseId(const JovString& title, const JovString& text);

    JovReference<AbstractMeal> item;
    bool isNew;
    ConnectionOwner* database;
    JovTextField* idField;
    JovTextField* nameField;
};
