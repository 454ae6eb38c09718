// An ingredient: a row of the table Zutaten as master data, or one occurrence of it inside the
// composition of a menu or of a composed ingredient, with the occurrence's weight and flags.
#pragma once

#include "app/model/AbstractMeal.h"
#include "util/JovVector.h"

class Connection;
class ResultSet;

class Ingredient : public AbstractMeal {
public:
    static constexpr const char* verkehrsbezeichnungKey = "verkehrsbezeichnung";
    static constexpr const char* dativPluralKey = "dativPlural";
    static constexpr const char* portionValidKey = "portionValid";
    static constexpr const char* portionKey = "portion";
    static constexpr const char* ingrClassValidKey = "ingrClassValid";
    static constexpr const char* ingrClassKey = "ingrClass";
    static constexpr const char* femaleKey = "female";
    static constexpr const char* pluralKey = "plural";
    static constexpr const char* kennzPflichtigKey = "kennzPflichtig";
    static constexpr const char* fleischanteilKey = "fleischanteil";
    static constexpr const char* fleischanteilAngebenKey = "fleischanteilAngeben";
    static constexpr const char* amountKey = "amount";
    static constexpr const char* mengeAngebenKey = "mengeAngeben";
    static constexpr const char* wertgebendKey = "wertgebend";
    static constexpr const char* mengeAufMenueBeziehenKey = "mengeAufMenueBeziehen";
    static constexpr const char* imTitelKey = "imTitel";
    static constexpr const char* veraenderlicheAnteileKey = "veraenderlicheAnteile";

    // From a Zutaten row, with the occurrence's amount, flags and parent (null for master data).
    Ingredient(const ResultSet& row, double amount, bool mengeAngeben, bool wertgebend,
               bool mengeAufMenueBeziehen, bool imTitel, bool veraenderlicheAnteile,
               AbstractMeal* parent);
    // An occurrence of an ingredient read before: stored's values as they are, with the
    // occurrence's amount, flags and parent, as the row constructor would give them.
    Ingredient(const Ingredient& stored, double amount, bool mengeAngeben, bool wertgebend,
               bool mengeAufMenueBeziehen, bool imTitel, bool veraenderlicheAnteile,
               AbstractMeal* parent);
    // A new ingredient: no texts, no weight, only "mengeAngeben" set.
    Ingredient(const JovString& name, int id);
    // All values, with the label name as sales name and the dative plural and variable shares as
    // the other answers them; the same parent and working weight; new, empty lists.
    Ingredient(const Ingredient& other);
    Ingredient& operator=(const Ingredient&) = delete;
    // The table's removal of a key stays reachable beside the removal of the row.
    using AbstractMeal::remove;

    bool hasVariableShares() const override;
    JovString getLabelName() const override;
    // The flag icon: images/ and T, W, K for the flags imTitel, wertgebend, kennzPflichtig, or
    // images/nothing.bmp.
    JovImageIcon* getIcon() const override;
    JovString getDativePhrase() const override;
    JovString getName() const override;
    double getAmount() const override;
    AbstractMeal* getParent() const override;
    // The name, with " (veränderl.)" below variable shares or the weight from 0.1 g on.
    JovString toString() const override;
    JovObject* clone() const override;

    void setName(const JovString& name);
    JovString getVerkehrsbezeichnung() const;
    void setVerkehrsbezeichnung(const JovString& text);
    // The stored text, or the label name when it is empty.
    JovString getDativPlural() const;
    void setDativPlural(const JovString& text);
    bool isPortionValid() const;
    void setPortionValid(bool valid);
    JovString getPortion() const;
    void setPortion(const JovString& code);
    bool isIngrClassValid() const;
    void setIngrClassValid(bool valid);
    JovString getIngrClass() const;
    void setIngrClass(const JovString& className);
    bool isFemale() const;
    void setFemale(bool female);
    bool isPlural() const;
    void setPlural(bool plural);
    bool isKennzPflichtig() const;
    void setKennzPflichtig(bool value);
    double getFleischanteil() const;
    void setFleischanteil(double share);
    bool isFleischanteilAngeben() const;
    void setFleischanteilAngeben(bool value);
    void setAmount(double amount);
    bool isMengeAngeben() const;
    void setMengeAngeben(bool value);
    bool isWertgebend() const;
    void setWertgebend(bool value);
    bool isMengeAufMenueBeziehen() const;
    void setMengeAufMenueBeziehen(bool value);
    bool isImTitel() const;
    void setImTitel(bool value);
    bool isVeraenderlicheAnteile() const;
    void setVeraenderlicheAnteile(bool value);

    void setParent(AbstractMeal* item);
    double getWorkingWeight() const;
    void setWorkingWeight(double weight);
    // The entries the ingredient list shows in brackets after this one.
    JovVector& getComponents() { return components; }
    // The value-giving occurrences whose percentages are declared after this entry.
    JovVector& getQuidList() { return quidList; }

    // The picture of the portion kind for the ingredient table, owned by the caller.
    JovImageIcon* getPortionIcon() const;

    // Each writes or deletes the Zutaten row (delete also the ingredient's own Anteile rows, in
    // the same transaction). A refused write throws JovException with the driver's diagnostic
    // and stores nothing; the item stays as it is.
    void insert(Connection* connection) const;
    void update(Connection* connection) const;
    void remove(Connection* connection) const;
    // Whether a Zutaten row has this ID; false for a text that is not a number.
    static bool exists(const JovString& idText, Connection* connection);

private:
    // The optional texts of both write statements, each followed by a comma; withColumns gives
    // the "Column=value," form of the change statement.
    JovString optionalTexts(bool withColumns) const;
    JovString flagIconCode() const;

    AbstractMeal* parent;
    double workingWeight;
    JovVector components;
    JovVector quidList;
};
