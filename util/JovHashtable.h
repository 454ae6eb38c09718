#pragma once
// The library's key-value table: a handle on a shared association list kept in insertion order
// and searched linearly with equals. Keys and values are counted references.

#include "lang/JovObject.h"
#include "lang/JovReference.h"
#include "lang/JovString.h"
#include "util/JovVector.h"

#include <initializer_list>

class JovHashtable : public JovObject {
public:
    class HashtableValue : public JovObject {
    public:
        HashtableValue();
        HashtableValue(const HashtableValue&) = delete;
        HashtableValue& operator=(const HashtableValue&) = delete;
        ~HashtableValue() override;

        JovString toString() const override;

        int size() const { return count; }
        JovObject* keyAt(int index) const { return entries[index].key.get(); }
        JovObject* valueAt(int index) const { return entries[index].value.get(); }
        int indexOfKey(const JovObject* key) const;
        // The same search for a text key given as characters, without building the key object.
        int indexOfText(const char* text) const;
        // Takes references on both; an existing equal key keeps its entry and place.
        void put(JovObject* key, JovObject* value);
        // Takes a reference on the new value, then releases the old one.
        void replaceAt(int index, JovObject* value);
        // Appends the other's entries, sharing their keys and values, without searching: for a
        // table that holds none of those keys yet.
        void appendAll(const HashtableValue& other);
        // The removed value stays parked here until the next removal or the table's end.
        JovObject* removeAt(int index);
        void clear();

    private:
        void append(JovReference<JovObject> key, JovObject* value);

        struct Entry {
            JovReference<JovObject> key;
            // The key as text, or null for a key of another kind: searches need no virtual call.
            const JovString* keyText = nullptr;
            JovReference<JovObject> value;
        };

        Entry* entries;
        int count;
        int capacity;
        JovReference<JovObject> lastRemoved;
    };

    JovHashtable();
    // Shares the other's entries.
    JovHashtable(const JovHashtable& other) = default;
    JovHashtable& operator=(const JovHashtable& other) = default;
    ~JovHashtable() override = default;

    virtual void clear();
    virtual bool contains(const JovObject* value) const;
    virtual bool containsKey(const JovObject* key) const;
    virtual bool containsKey(const JovString& key) const;
    virtual JovVector elements() const;
    virtual JovObject* get(const JovObject* key) const;
    virtual JovObject* get(const JovString& key) const;
    // A text key as characters: found as get would find it, without a temporary key text.
    JovObject* get(const char* key) const;
    virtual bool isEmpty() const;
    virtual JovVector keys() const;
    // The put forms store what they are given (or a copy of it) and always answer null.
    virtual JovObject* put(JovObject* key, const JovObject& value);
    virtual JovObject* put(JovObject* key, JovObject* value);
    virtual JovObject* put(JovObject* key, const JovString& value);
    virtual JovObject* put(const JovString& key, const JovString& value);
    virtual JovObject* put(const JovString& key, JovObject* value);
    // Replaces the value of an existing text key without a temporary key text; a new key whose
    // text was shared (shareKeys) is stored as the shared key object.
    JovObject* put(const char* key, JovObject* value);
    JovObject* put(const char* key, const JovString& value);

    // Makes one key object per text for all tables: the tables of many items of one kind hold
    // the same keys, which then cost no object per table. Meant for static initialisation;
    // answers true.
    static bool shareKeys(std::initializer_list<const char*> texts);
    // The answer stays valid until the next remove on this table.
    virtual JovObject* remove(const JovObject* key);
    virtual JovObject* remove(const JovString& key);
    virtual int size() const;
    virtual JovString entryListing() const;

    // A new handle sharing the same entries.
    JovObject* clone() const override;
    JovString toString() const override;

protected:
    // Gives this table the other's entries as its own, sharing keys and values; what this table
    // held before is dropped.
    void copyEntriesFrom(const JovHashtable& other);

private:
    JovReference<HashtableValue> value;
};
