// An ingredient's values, its texts for lists and tables, and its row in the table Zutaten.

#include "app/model/Ingredient.h"

#include "app/model/ItemRows.h"
#include "app/model/StatementValue.h"
#include "awt/JovImageIcon.h"
#include "sql/ResultSet.h"

namespace {

constexpr const char* className = "tarvelund.main.Ingredient";
const bool ingredientKeysShared = JovHashtable::shareKeys(
    {Ingredient::verkehrsbezeichnungKey, Ingredient::dativPluralKey, Ingredient::portionValidKey,
     Ingredient::portionKey, Ingredient::ingrClassValidKey, Ingredient::ingrClassKey,
     Ingredient::femaleKey, Ingredient::pluralKey, Ingredient::kennzPflichtigKey,
     Ingredient::fleischanteilKey, Ingredient::fleischanteilAngebenKey, Ingredient::amountKey,
     Ingredient::mengeAngebenKey, Ingredient::wertgebendKey, Ingredient::mengeAufMenueBeziehenKey,
     Ingredient::imTitelKey, Ingredient::veraenderlicheAnteileKey});
// Weights below it are too small to show in the tree.
constexpr double smallestShownAmount = 0.1;

constexpr const char* articlePlural = "in den";
constexpr const char* articleFeminine = "in der";
constexpr const char* articleOther = "im";

constexpr const char* imageFolder = "images/";
constexpr const char* imageSuffix = ".bmp";
constexpr const char* noFlagImage = "images/nothing.bmp";
constexpr const char* noPortionImage = "images/noicon.bmp";

struct PortionImage {
    const char* code;
    const char* fileName;
};
constexpr PortionImage portionImages[] = {
    {"be", "images/DoseKleinBeilage.bmp"},
    {"he", "images/DoseKleinHauptessen.bmp"},
    {"ge", "images/DoseKleinGemuese.bmp"},
};

} // namespace

Ingredient::Ingredient(const ResultSet& row, double amount, bool mengeAngeben, bool wertgebend,
                       bool mengeAufMenueBeziehen, bool imTitel, bool veraenderlicheAnteile,
                       AbstractMeal* parent)
    : parent(parent), workingWeight(amount) {
    setName(ItemRows::text(row, "Name"));
    setId(row.getInt("ID"));
    setVerkehrsbezeichnung(ItemRows::text(row, "Verkehrsbezeichnung"));
    setAmount(amount);
    setMengeAngeben(mengeAngeben);
    setWertgebend(wertgebend);
    setMengeAufMenueBeziehen(mengeAufMenueBeziehen);
    setImTitel(imTitel);
    setKennzPflichtig(row.getBoolean("kennzPflichtig"));
    const JovString portion = ItemRows::text(row, "Portion");
    setPortionValid(portion.length() > 0);
    setPortion(portion);
    const JovString ingrClass = ItemRows::text(row, "Klasse");
    setIngrClassValid(ingrClass.length() > 0);
    setIngrClass(ingrClass);
    setFemale(row.getBoolean("weiblich"));
    setPlural(row.getBoolean("Plural"));
    setFleischanteil(row.getDouble("Fleischanteil"));
    setFleischanteilAngeben(row.getBoolean("fleischanteilAngeben"));
    JovString dativPlural = ItemRows::text(row, "DativPlural");
    if (dativPlural.length() == 0) {
        dativPlural = ItemRows::text(row, "Verkehrsbezeichnung");
    }
    if (dativPlural.length() == 0) {
        dativPlural = ItemRows::text(row, "Name");
    }
    setDativPlural(dativPlural);
    setVeraenderlicheAnteile(veraenderlicheAnteile);
}

Ingredient::Ingredient(const Ingredient& stored, double amount, bool mengeAngeben, bool wertgebend,
                       bool mengeAufMenueBeziehen, bool imTitel, bool veraenderlicheAnteile,
                       AbstractMeal* parent)
    : AbstractMeal(), parent(parent), workingWeight(amount) {
    copyPropertiesFrom(stored);
    setAmount(amount);
    setMengeAngeben(mengeAngeben);
    setWertgebend(wertgebend);
    setMengeAufMenueBeziehen(mengeAufMenueBeziehen);
    setImTitel(imTitel);
    setVeraenderlicheAnteile(veraenderlicheAnteile);
}

Ingredient::Ingredient(const JovString& name, int id) : parent(nullptr), workingWeight(0.0) {
    setName(name);
    setId(id);
    setVerkehrsbezeichnung(JovString());
    setAmount(0.0);
    setMengeAngeben(true);
    setWertgebend(false);
    setMengeAufMenueBeziehen(false);
    setImTitel(false);
    setKennzPflichtig(false);
    setPortionValid(false);
    setPortion(JovString());
    setIngrClassValid(false);
    setIngrClass(JovString());
    setFemale(false);
    setPlural(false);
    setFleischanteil(0.0);
    setFleischanteilAngeben(false);
    setDativPlural(JovString());
    setVeraenderlicheAnteile(false);
}

Ingredient::Ingredient(const Ingredient& other)
    : AbstractMeal(), parent(other.parent), workingWeight(other.workingWeight) {
    copyPropertiesFrom(other);
    setVerkehrsbezeichnung(other.getLabelName());
    setDativPlural(other.getDativPlural());
    setVeraenderlicheAnteile(other.hasVariableShares());
}

bool Ingredient::hasVariableShares() const {
    if (parent != nullptr && parent->hasVariableShares()) {
        return true;
    }
    return isVeraenderlicheAnteile();
}

JovString Ingredient::getLabelName() const {
    const JovString salesName = getVerkehrsbezeichnung();
    return salesName.length() > 0 ? salesName : getName();
}

JovImageIcon* Ingredient::getIcon() const {
    const JovString code = flagIconCode();
    if (code.length() == 0) {
        return new JovImageIcon(noFlagImage);
    }
    return new JovImageIcon(imageFolder + code + imageSuffix);
}

JovString Ingredient::getDativePhrase() const {
    const char* article = articleOther;
    if (isPlural()) {
        article = articlePlural;
    } else if (isFemale()) {
        article = articleFeminine;
    }
    return JovString(" ") + article + " " + getDativPlural();
}

JovString Ingredient::getName() const {
    return AbstractMeal::getName();
}

double Ingredient::getAmount() const {
    return getDouble(amountKey);
}

AbstractMeal* Ingredient::getParent() const {
    return parent;
}

JovString Ingredient::toString() const {
    const JovString name = getProperty(nameKey, className);
    if (parent != nullptr && parent->hasVariableShares()) {
        return name + " (veränderl.)";
    }
    if (getAmount() >= smallestShownAmount) {
        return name + JovString().format(" (%.1f g)", getAmount());
    }
    return name;
}

JovObject* Ingredient::clone() const {
    return new Ingredient(*this);
}

void Ingredient::setName(const JovString& name) {
    put(nameKey, name);
}

JovString Ingredient::getVerkehrsbezeichnung() const {
    return getString(verkehrsbezeichnungKey);
}

void Ingredient::setVerkehrsbezeichnung(const JovString& text) {
    put(verkehrsbezeichnungKey, text);
}

JovString Ingredient::getDativPlural() const {
    const JovString stored = getString(dativPluralKey);
    return stored.length() > 0 ? stored : getLabelName();
}

void Ingredient::setDativPlural(const JovString& text) {
    put(dativPluralKey, text);
}

bool Ingredient::isPortionValid() const {
    return getBoolean(portionValidKey);
}

void Ingredient::setPortionValid(bool valid) {
    putBoolean(portionValidKey, valid);
}

JovString Ingredient::getPortion() const {
    return getString(portionKey);
}

void Ingredient::setPortion(const JovString& code) {
    put(portionKey, code);
}

bool Ingredient::isIngrClassValid() const {
    return getBoolean(ingrClassValidKey);
}

void Ingredient::setIngrClassValid(bool valid) {
    putBoolean(ingrClassValidKey, valid);
}

JovString Ingredient::getIngrClass() const {
    return getString(ingrClassKey);
}

void Ingredient::setIngrClass(const JovString& className) {
    put(ingrClassKey, className);
}

bool Ingredient::isFemale() const {
    return getBoolean(femaleKey);
}

void Ingredient::setFemale(bool female) {
    putBoolean(femaleKey, female);
}

bool Ingredient::isPlural() const {
    return getBoolean(pluralKey);
}

void Ingredient::setPlural(bool plural) {
    putBoolean(pluralKey, plural);
}

bool Ingredient::isKennzPflichtig() const {
    return getBoolean(kennzPflichtigKey);
}

void Ingredient::setKennzPflichtig(bool value) {
    putBoolean(kennzPflichtigKey, value);
}

double Ingredient::getFleischanteil() const {
    return getDouble(fleischanteilKey);
}

void Ingredient::setFleischanteil(double share) {
    putDouble(fleischanteilKey, share);
}

bool Ingredient::isFleischanteilAngeben() const {
    return getBoolean(fleischanteilAngebenKey);
}

void Ingredient::setFleischanteilAngeben(bool value) {
    putBoolean(fleischanteilAngebenKey, value);
}

void Ingredient::setAmount(double amount) {
    putDouble(amountKey, amount);
}

bool Ingredient::isMengeAngeben() const {
    return getBoolean(mengeAngebenKey);
}

void Ingredient::setMengeAngeben(bool value) {
    putBoolean(mengeAngebenKey, value);
}

bool Ingredient::isWertgebend() const {
    return getBoolean(wertgebendKey);
}

void Ingredient::setWertgebend(bool value) {
    putBoolean(wertgebendKey, value);
}

bool Ingredient::isMengeAufMenueBeziehen() const {
    return getBoolean(mengeAufMenueBeziehenKey);
}

void Ingredient::setMengeAufMenueBeziehen(bool value) {
    putBoolean(mengeAufMenueBeziehenKey, value);
}

bool Ingredient::isImTitel() const {
    return getBoolean(imTitelKey);
}

void Ingredient::setImTitel(bool value) {
    putBoolean(imTitelKey, value);
}

bool Ingredient::isVeraenderlicheAnteile() const {
    return getBoolean(veraenderlicheAnteileKey);
}

void Ingredient::setVeraenderlicheAnteile(bool value) {
    putBoolean(veraenderlicheAnteileKey, value);
}

void Ingredient::setParent(AbstractMeal* item) {
    parent = item;
}

double Ingredient::getWorkingWeight() const {
    return workingWeight;
}

void Ingredient::setWorkingWeight(double weight) {
    workingWeight = weight;
}

JovImageIcon* Ingredient::getPortionIcon() const {
    if (!isPortionValid()) {
        return new JovImageIcon(noPortionImage);
    }
    const JovString portion = getPortion();
    for (const PortionImage& image : portionImages) {
        if (portion.startsWith(image.code)) {
            return new JovImageIcon(image.fileName);
        }
    }
    return new JovImageIcon(noPortionImage);
}

void Ingredient::insert(Connection* connection) const {
    ItemRows::write(
        connection,
        {"INSERT INTO Zutaten (Name,Verkehrsbezeichnung,DativPlural,Portion,Klasse,weiblich,Plural,"
         "kennzPflichtig,Fleischanteil,fleischanteilAngeben,ID) VALUES (" +
         StatementValue::text(getName()) + "," + optionalTexts(false) +
         StatementValue::flag(isFemale()) + "," + StatementValue::flag(isPlural()) + "," +
         StatementValue::flag(isKennzPflichtig()) + "," +
         StatementValue::decimal(getFleischanteil()) + "," +
         StatementValue::flag(isFleischanteilAngeben()) + "," + StatementValue::integer(getId()) +
         ");"});
}

void Ingredient::update(Connection* connection) const {
    ItemRows::write(connection,
                    {"UPDATE Zutaten SET Name=" + StatementValue::text(getName()) + "," +
                     optionalTexts(true) + "weiblich=" + StatementValue::flag(isFemale()) +
                     ",Plural=" + StatementValue::flag(isPlural()) +
                     ",kennzPflichtig=" + StatementValue::flag(isKennzPflichtig()) +
                     ",Fleischanteil=" + StatementValue::decimal(getFleischanteil()) +
                     ",fleischanteilAngeben=" + StatementValue::flag(isFleischanteilAngeben()) +
                     " WHERE ID=" + StatementValue::integer(getId()) + ";"});
}

void Ingredient::remove(Connection* connection) const {
    const JovString id = StatementValue::integer(getId());
    ItemRows::write(connection, {"DELETE * FROM Anteile WHERE Eltern = " + id + ";",
                                 "DELETE * FROM Zutaten WHERE ID = " + id + ";"});
}

bool Ingredient::exists(const JovString& idText, Connection* connection) {
    return ItemRows::exists(connection, "SELECT * FROM Zutaten WHERE ID = ", idText);
}

JovString Ingredient::optionalTexts(bool withColumns) const {
    struct OptionalText {
        const char* column;
        bool present;
        JovString value;
    };
    const JovString salesName = getVerkehrsbezeichnung();
    const JovString dativPlural = getString(dativPluralKey);
    const OptionalText texts[] = {
        {"Verkehrsbezeichnung=", salesName != getName(), salesName},
        {"DativPlural=", dativPlural != salesName, dativPlural},
        {"Portion=", isPortionValid(), getPortion()},
        {"Klasse=", isIngrClassValid(), getIngrClass()},
    };
    JovString written;
    for (const OptionalText& text : texts) {
        if (withColumns) {
            written += text.column;
        }
        written += StatementValue::optionalText(text.present, text.value) + ",";
    }
    return written;
}

JovString Ingredient::flagIconCode() const {
    JovString code;
    if (isImTitel()) {
        code += 'T';
    }
    if (isWertgebend()) {
        code += 'W';
    }
    if (isKennzPflichtig()) {
        code += 'K';
    }
    return code;
}
