// A menu's values, its texts and its row in the table Menues.

#include "app/model/Menu.h"

#include "app/model/ItemRows.h"
#include "app/model/StatementValue.h"
#include "awt/JovImageIcon.h"
#include "sql/ResultSet.h"

namespace {
constexpr const char* className = "tarvelund.main.Menu";
constexpr const char* menuImage = "images/DoseKleinMenue.bmp";
const bool menuKeysShared = JovHashtable::shareKeys({Menu::verkehrsbezeichnungKey});
} // namespace

Menu::Menu(const ResultSet& row) : weight(0.0) {
    put(nameKey, ItemRows::text(row, "Name"));
    setVerkehrsbezeichnung(ItemRows::text(row, "Verkehrsbezeichnung"));
    setId(row.getInt("ID"));
    for (const char* key : nutritionKeys) {
        putDouble(key, row.getDouble(key));
    }
}

Menu::Menu(const JovString& name, int id) : weight(0.0) {
    put(nameKey, name);
    setId(id);
    setVerkehrsbezeichnung(JovString());
    for (const char* key : nutritionKeys) {
        putDouble(key, 0.0);
    }
}

Menu::Menu(const Menu& other) : AbstractMeal(), weight(other.weight) {
    copyPropertiesFrom(other);
}

JovString Menu::getLabelName() const {
    return getString(verkehrsbezeichnungKey);
}

JovImageIcon* Menu::getIcon() const {
    return new JovImageIcon(menuImage);
}

double Menu::getAmount() const {
    return weight;
}

JovString Menu::toString() const {
    return getProperty(nameKey, className);
}

JovObject* Menu::clone() const {
    return new Menu(*this);
}

void Menu::setVerkehrsbezeichnung(const JovString& text) {
    put(verkehrsbezeichnungKey, text);
}

void Menu::setWeight(double newWeight) {
    weight = newWeight;
}

void Menu::insert(Connection* connection) const {
    JovString values;
    for (const char* key : nutritionKeys) {
        values += StatementValue::general(getDouble(key)) + ",";
    }
    ItemRows::write(connection, {"INSERT INTO Menues (name,fe,zu,gf,ba,na,be,kh,ew,bw,ID) "
                                 "VALUES (" +
                                 StatementValue::text(getName()) + "," + values +
                                 StatementValue::integer(getId()) + ");"});
}

void Menu::update(Connection* connection) const {
    JovString assignments;
    for (const char* key : nutritionKeys) {
        assignments += JovString(",") + key + "=" + StatementValue::general(getDouble(key));
    }
    ItemRows::write(connection,
                    {"UPDATE Menues SET name=" + StatementValue::text(getName()) + assignments +
                     " WHERE ID=" + StatementValue::integer(getId()) + ";"});
}

void Menu::remove(Connection* connection) const {
    const JovString id = StatementValue::integer(getId());
    ItemRows::write(connection, {"DELETE * FROM Mengen WHERE Eltern = " + id + ";",
                                 "DELETE * FROM Menues WHERE ID = " + id + ";"});
}

bool Menu::exists(const JovString& idText, Connection* connection) {
    return ItemRows::exists(connection, "SELECT * FROM Menues WHERE ID = ", idText);
}
