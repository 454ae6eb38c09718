// Insertion-ordered association list: small tables of properties need no hashing, and the
// order of keys is the order settings are written back in.

#include "util/JovHashtable.h"

#include "lang/JovStringBuffer.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

constexpr int initialCapacity = 10;

JovString textOf(const JovObject* object) {
    return object != nullptr ? object->toString() : JovString("null");
}

} // namespace

JovHashtable::HashtableValue::HashtableValue()
    : keys(new JovReference<JovObject>[initialCapacity]),
      keyTexts(new const JovString*[initialCapacity]),
      values(new JovReference<JovObject>[initialCapacity]), count(0), capacity(initialCapacity) {
}

JovHashtable::HashtableValue::~HashtableValue() {
    clear();
    lastRemoved.reset();
    delete[] keys;
    delete[] keyTexts;
    delete[] values;
}

JovString JovHashtable::HashtableValue::toString() const {
    return "ool.util.JovHashtable.HashtableValue";
}

int JovHashtable::HashtableValue::indexOfKey(const JovObject* key) const {
    if (key == nullptr) {
        return -1;
    }
    // Item keys are shared between copies and text keys compare as bytes: neither needs the
    // general equals.
    const JovString* text = key->asString();
    for (int i = 0; i < count; ++i) {
        const JovObject* stored = keys[i].get();
        if (stored == key) {
            return i;
        }
        const JovString* storedText = text != nullptr ? keyTexts[i] : nullptr;
        if (storedText != nullptr ? *storedText == *text : stored->equals(key)) {
            return i;
        }
    }
    return -1;
}

int JovHashtable::HashtableValue::indexOfText(const char* text) const {
    const std::size_t length = std::strlen(text);
    for (int i = 0; i < count; ++i) {
        const JovString* stored = keyTexts[i];
        if (stored == nullptr) {
            // A key of another kind decides by its own equals, which needs the text as an object.
            const JovString key(text);
            return indexOfKey(&key);
        }
        if (static_cast<std::size_t>(stored->length()) == length &&
            std::memcmp(stored->chars(), text, length) == 0) {
            return i;
        }
    }
    return -1;
}

void JovHashtable::HashtableValue::replaceAt(int index, JovObject* value) {
    values[index].reset(value);
}

void JovHashtable::HashtableValue::appendAll(const HashtableValue& other) {
    for (int i = 0; i < other.count; ++i) {
        append(other.keys[i], other.values[i].get());
    }
}

// The key is held before the search, so a fresh key that matches an existing one is deleted
// when this call lets it go.
void JovHashtable::HashtableValue::put(JovObject* key, JovObject* value) {
    JovReference<JovObject> heldKey(key);
    const int index = indexOfKey(key);
    if (index < 0) {
        append(std::move(heldKey), value);
        return;
    }
    heldKey.reset();
    values[index].reset(value);
}

void JovHashtable::HashtableValue::append(JovReference<JovObject> key, JovObject* value) {
    if (count + 1 > capacity) {
        auto* largerKeys = new JovReference<JovObject>[2 * capacity];
        auto* largerKeyTexts = new const JovString*[2 * capacity];
        auto* largerValues = new JovReference<JovObject>[2 * capacity];
        std::move(keys, keys + count, largerKeys);
        std::copy(keyTexts, keyTexts + count, largerKeyTexts);
        std::move(values, values + count, largerValues);
        delete[] keys;
        delete[] keyTexts;
        delete[] values;
        keys = largerKeys;
        keyTexts = largerKeyTexts;
        values = largerValues;
        capacity *= 2;
    }
    keyTexts[count] = key ? key->asString() : nullptr;
    keys[count] = std::move(key);
    values[count].reset(value);
    ++count;
}

JovObject* JovHashtable::HashtableValue::removeAt(int index) {
    JovReference<JovObject> previouslyParked;
    const JovReference<JovObject> key = std::move(keys[index]);
    JovReference<JovObject> removed = std::move(values[index]);
    --count;
    std::move(keys + index + 1, keys + count + 1, keys + index);
    std::copy(keyTexts + index + 1, keyTexts + count + 1, keyTexts + index);
    std::move(values + index + 1, values + count + 1, values + index);
    previouslyParked = std::move(lastRemoved);
    lastRemoved = std::move(removed);
    return lastRemoved.get();
}

void JovHashtable::HashtableValue::clear() {
    while (count > 0) {
        --count;
        keys[count].reset();
        values[count].reset();
    }
}

JovHashtable::JovHashtable() : value(new HashtableValue) {
}

void JovHashtable::clear() {
    value->clear();
}

bool JovHashtable::contains(const JovObject* candidate) const {
    if (candidate == nullptr) {
        return false;
    }
    for (int i = 0; i < value->size(); ++i) {
        const JovObject* stored = value->valueAt(i);
        if (stored != nullptr && stored->equals(candidate)) {
            return true;
        }
    }
    return false;
}

bool JovHashtable::containsKey(const JovObject* key) const {
    return get(key) != nullptr;
}

bool JovHashtable::containsKey(const JovString& key) const {
    return get(key) != nullptr;
}

JovVector JovHashtable::elements() const {
    JovVector list;
    for (int i = 0; i < value->size(); ++i) {
        list.addElement(value->valueAt(i));
    }
    return list;
}

JovObject* JovHashtable::get(const JovObject* key) const {
    const int index = value->indexOfKey(key);
    return index >= 0 ? value->valueAt(index) : nullptr;
}

JovObject* JovHashtable::get(const JovString& key) const {
    return get(&key);
}

JovObject* JovHashtable::get(const char* key) const {
    if (key == nullptr) {
        return get(JovString(key));
    }
    const int index = value->indexOfText(key);
    return index >= 0 ? value->valueAt(index) : nullptr;
}

bool JovHashtable::isEmpty() const {
    return value->size() == 0;
}

JovVector JovHashtable::keys() const {
    JovVector list;
    for (int i = 0; i < value->size(); ++i) {
        list.addElement(value->keyAt(i));
    }
    return list;
}

// A null key stores nothing, so no copy is made for it.
JovObject* JovHashtable::put(JovObject* key, const JovObject& stored) {
    if (key == nullptr) {
        return nullptr;
    }
    return put(key, stored.clone());
}

JovObject* JovHashtable::put(JovObject* key, JovObject* stored) {
    if (key != nullptr) {
        value->put(key, stored);
    }
    return nullptr;
}

JovObject* JovHashtable::put(JovObject* key, const JovString& stored) {
    if (key == nullptr) {
        return nullptr;
    }
    return put(key, new JovString(stored));
}

JovObject* JovHashtable::put(const JovString& key, const JovString& stored) {
    return put(new JovString(key), new JovString(stored));
}

JovObject* JovHashtable::put(const JovString& key, JovObject* stored) {
    return put(new JovString(key), stored);
}

JovObject* JovHashtable::put(const char* key, JovObject* stored) {
    if (key == nullptr) {
        return put(JovString(key), stored);
    }
    const int index = value->indexOfText(key);
    if (index < 0) {
        return put(new JovString(key), stored);
    }
    value->replaceAt(index, stored);
    return nullptr;
}

JovObject* JovHashtable::remove(const JovObject* key) {
    const int index = value->indexOfKey(key);
    return index >= 0 ? value->removeAt(index) : nullptr;
}

JovObject* JovHashtable::remove(const JovString& key) {
    return remove(&key);
}

int JovHashtable::size() const {
    return value->size();
}

JovString JovHashtable::entryListing() const {
    JovStringBuffer text;
    for (int i = 0; i < value->size(); ++i) {
        if (i > 0) {
            text.append(",");
        }
        text.append(textOf(value->keyAt(i))).append("=").append(textOf(value->valueAt(i)));
    }
    return text.toString();
}

JovObject* JovHashtable::clone() const {
    return new JovHashtable(*this);
}

void JovHashtable::copyEntriesFrom(const JovHashtable& other) {
    if (other.value.get() == value.get()) {
        return;
    }
    value->clear();
    value->appendAll(*other.value);
}

JovString JovHashtable::toString() const {
    return "ool.util.JovHashtable[" + entryListing() + "]";
}
