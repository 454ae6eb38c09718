// A menu: a row of the table Menues with its name, its sales name line and its nutrition values
// per 100 g; the root of a composition, whose total weight it receives.
#pragma once

#include "app/model/AbstractMeal.h"

class Connection;
class ResultSet;

class Menu : public AbstractMeal {
public:
    static constexpr const char* verkehrsbezeichnungKey = "verkehrsbezeichnung";
    // The nutrition keys, each also the name of its column, in the order the statements write
    // them: fat, sugars, saturated fat, fibre, sodium, bread units, carbohydrates, protein,
    // energy.
    static constexpr const char* nutritionKeys[] = {"fe", "zu", "gf", "ba", "na",
                                                    "be", "kh", "ew", "bw"};
    // The reserved row, offered only in setup mode as a scratch area.
    static constexpr int reservedId = 0;

    explicit Menu(const ResultSet& row);
    // A new menu: no sales name, all nutrition values 0.
    Menu(const JovString& name, int id);
    // All values and the weight.
    Menu(const Menu& other);
    Menu& operator=(const Menu&) = delete;
    // The table's removal of a key stays reachable beside the removal of the row.
    using AbstractMeal::remove;

    // The sales name line, without falling back to the name.
    JovString getLabelName() const override;
    JovImageIcon* getIcon() const override;
    // The total weight of the composition last composed.
    double getAmount() const override;
    JovString toString() const override;
    JovObject* clone() const override;

    void setVerkehrsbezeichnung(const JovString& text);
    void setWeight(double weight);

    // Each writes or deletes the Menues row (delete also the menu's Mengen rows, in the same
    // transaction). A refused write throws JovException with the driver's diagnostic and stores
    // nothing; the item stays as it is. The sales name line is stored only by the composer.
    void insert(Connection* connection) const;
    void update(Connection* connection) const;
    void remove(Connection* connection) const;
    // Whether a Menues row has this ID; false for a text that is not a number.
    static bool exists(const JovString& idText, Connection* connection);

private:
    double weight;
};
