// Typed access to an item's property table and the order of items by name.

#include "app/model/AbstractMeal.h"

#include "lang/JovBoolean.h"
#include "lang/JovDouble.h"
#include "lang/JovInteger.h"
#include "lang/JovReference.h"

namespace {
constexpr const char* className = "tarvelund.Main.AbstractMeal";
// Names of items not yet named by the user start with it ("<Neue Zutat>", "<Neues Menü>").
constexpr char placeholderMark = '<';

double doubleOf(const JovObject* value) {
    const auto* number = dynamic_cast<const JovDouble*>(value);
    return number != nullptr ? number->doubleValue() : 0.0;
}

bool booleanOf(const JovObject* value) {
    const auto* truth = dynamic_cast<const JovBoolean*>(value);
    return truth != nullptr && truth->booleanValue();
}

// Thousands of items each hold about ten truth values and the same keys: shared, since a setter
// always puts a new value instead of changing one, they cost no object per item.
const JovReference<JovBoolean> trueValue(new JovBoolean(true));
const JovReference<JovBoolean> falseValue(new JovBoolean(false));
const bool itemKeysShared = JovHashtable::shareKeys({AbstractMeal::idKey, AbstractMeal::nameKey});
} // namespace

AbstractMeal::AbstractMeal() = default;

int AbstractMeal::getId() const {
    const auto* id = dynamic_cast<const JovInteger*>(get(idKey));
    return id != nullptr ? id->intValue() : 0;
}

void AbstractMeal::setId(int id) {
    putInt(idKey, id);
}

bool AbstractMeal::hasVariableShares() const {
    return false;
}

JovString AbstractMeal::getLabelName() const {
    return JovString();
}

JovImageIcon* AbstractMeal::getIcon() const {
    return nullptr;
}

JovString AbstractMeal::getDativePhrase() const {
    return JovString();
}

JovString AbstractMeal::getName() const {
    const auto* name = dynamic_cast<const JovString*>(get(nameKey));
    return name != nullptr ? *name : JovString();
}

double AbstractMeal::getDouble(const JovString& key) const {
    return doubleOf(get(key));
}

double AbstractMeal::getDouble(const char* key) const {
    return doubleOf(get(key));
}

void AbstractMeal::putDouble(const JovString& key, double value) {
    put(key, new JovDouble(value));
}

void AbstractMeal::putDouble(const char* key, double value) {
    put(key, new JovDouble(value));
}

void AbstractMeal::putInt(const JovString& key, int value) {
    put(key, new JovInteger(value));
}

void AbstractMeal::putInt(const char* key, int value) {
    put(key, new JovInteger(value));
}

bool AbstractMeal::getBoolean(const JovString& key) const {
    return booleanOf(get(key));
}

bool AbstractMeal::getBoolean(const char* key) const {
    return booleanOf(get(key));
}

void AbstractMeal::putBoolean(const JovString& key, bool value) {
    put(key, value ? trueValue.get() : falseValue.get());
}

void AbstractMeal::putBoolean(const char* key, bool value) {
    put(key, value ? trueValue.get() : falseValue.get());
}

JovString AbstractMeal::getString(const JovString& key) const {
    return getProperty(key, "");
}

JovString AbstractMeal::getString(const char* key) const {
    const JovObject* value = get(key);
    return value != nullptr ? value->toString() : getString(JovString(key));
}

double AbstractMeal::getAmount() const {
    return 0.0;
}

AbstractMeal* AbstractMeal::getParent() const {
    return nullptr;
}

JovString AbstractMeal::toString() const {
    return getProperty(nameKey, className);
}

int AbstractMeal::compareTo(const JovObject& other) const {
    const auto* meal = dynamic_cast<const AbstractMeal*>(&other);
    if (meal == nullptr) {
        return 0;
    }
    const JovString name = getName();
    if (name.length() > 0 && name.charAt(0) == placeholderMark) {
        return -1;
    }
    const int order = name.compareTo(meal->getName());
    return (order > 0) - (order < 0);
}

// Keys and boxed values are never changed in place (a setter puts a new value), so the copy
// shares them instead of cloning each.
void AbstractMeal::copyPropertiesFrom(const AbstractMeal& other) {
    copyEntriesFrom(other);
}
