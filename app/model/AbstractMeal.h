// The common base of ingredients and menus: an item is a property table whose values are boxed
// under fixed lower-case keys, with typed access, an order by name and the operations the two
// kinds of item answer differently.
#pragma once

#include "lang/Comparable.h"
#include "lang/JovString.h"
#include "util/JovProperties.h"

class JovImageIcon;

class AbstractMeal : public JovProperties, public virtual Comparable {
public:
    static constexpr const char* idKey = "id";
    static constexpr const char* nameKey = "name";

    AbstractMeal();
    // Copying the table handle would share the entries; items copy their values explicitly.
    AbstractMeal(const AbstractMeal&) = delete;
    AbstractMeal& operator=(const AbstractMeal&) = delete;

    virtual int getId() const;
    virtual void setId(int id);
    // True when the weights of the item's components vary with the season or the batch.
    virtual bool hasVariableShares() const;
    // The name the label shows.
    virtual JovString getLabelName() const;
    // A new icon owned by the caller, or null.
    virtual JovImageIcon* getIcon() const;
    // The phrase a percentage declaration ends with (" in der Rahmsauce"), or the empty text.
    virtual JovString getDativePhrase() const;
    virtual JovString getName() const;
    // Missing keys and values of another kind read as 0, false or the empty text.
    virtual double getDouble(const JovString& key) const;
    virtual void putDouble(const JovString& key, double value);
    virtual void putInt(const JovString& key, int value);
    virtual bool getBoolean(const JovString& key) const;
    virtual void putBoolean(const JovString& key, bool value);
    virtual JovString getString(const JovString& key) const;
    // The same for the fixed keys given as characters: no temporary key text per access.
    double getDouble(const char* key) const;
    void putDouble(const char* key, double value);
    void putInt(const char* key, int value);
    bool getBoolean(const char* key) const;
    void putBoolean(const char* key, bool value);
    JovString getString(const char* key) const;
    // Weight in grams.
    virtual double getAmount() const;
    // The item this one is part of, not owned; null when none.
    virtual AbstractMeal* getParent() const;

    // The name, or the class-name text when the item has none.
    JovString toString() const override;
    // 0 against anything but an item; a placeholder name ("<Neue Zutat>") sorts first; else the
    // byte-wise order of the names.
    int compareTo(const JovObject& other) const override;

protected:
    // Takes the other item's values under the same keys, in its key order; what this item held
    // is dropped (the constructors call it on an empty item).
    void copyPropertiesFrom(const AbstractMeal& other);
};
